#include "gui/wheel/WheelTab.h"

#include "gui/app/MsgBox.h"
#include "core/reduction/ResultOutput.h"
#include "core/code/Code.h"
#include "core/code/SsqError.h"
#include "gui/controls/ColorChk.h"
#include "core/reduction/ConditionSet.h"
#include "core/wheel/SurvivorWheel.h"
#include "gui/wheel/WheelRunner.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The tab takes no input while a wheel is being made: the search's event loop would
// otherwise let a second press of "生成" start another run inside the first.
class BusyTab
{
public:
    explicit BusyTab(QWidget *tab) : m_tab(tab) { m_tab->setEnabled(false); }
    ~BusyTab() { m_tab->setEnabled(true); }
    BusyTab(const BusyTab &) = delete;
    BusyTab &operator=(const BusyTab &) = delete;

private:
    QWidget *m_tab;
};
} // namespace

TWheelTab::TWheelTab(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("WheelSheet"));

    // The numbers are picked as in the number picker: the same grid, cells and cursor.
    auto *numbersGbx = new QGroupBox(QStringLiteral("选择号码（7-33个）"), this);
    WheelNumChk = new TColorMChk(numbersGbx);
    WheelNumChk->setObjectName(QStringLiteral("WheelNumChk"));
    for (const QString &caption : NumberCaptions(1, ConditionItems::Numbers))
        WheelNumChk->AddItem(caption);
    WheelNumChk->SetCols(10);
    WheelNumChk->SetCellWidth(20);
    WheelNumChk->SetCellHeight(20);
    WheelNumChk->SetSpacing(4);
    WheelNumChk->setCursor(Qt::PointingHandCursor);
    WheelNumChk->Relayout();
    WheelNumChk->setFixedSize(WheelNumChk->sizeHint());
    WheelNumChk->installEventFilter(this);
    WheelNumLbl = new QLabel(numbersGbx);
    WheelNumLbl->setObjectName(QStringLiteral("WheelNumLbl"));
    WheelClearBt = new QPushButton(QStringLiteral("清空"), numbersGbx);
    auto *numbersRow = new QHBoxLayout;
    numbersRow->addWidget(WheelNumLbl);
    numbersRow->addStretch(1);
    numbersRow->addWidget(WheelClearBt);
    auto *numbersLayout = new QVBoxLayout(numbersGbx);
    numbersLayout->addWidget(WheelNumChk);
    numbersLayout->addLayout(numbersRow);

    auto *makeGbx = new QGroupBox(QStringLiteral("旋转矩阵"), this);
    WheelGuaranteeCb = new QComboBox(makeGbx);
    WheelGuaranteeCb->setObjectName(QStringLiteral("WheelGuaranteeCb"));
    for (const WheelGuarantee &g : kWheelGuarantees)
        WheelGuaranteeCb->addItem(g.caption(), g.key());
    WheelBankerEd = new QLineEdit(makeGbx);
    WheelBankerEd->setObjectName(QStringLiteral("WheelBankerEd"));
    WheelBankerEd->setPlaceholderText(QStringLiteral("如 3 18"));
    WheelBankerEd->setToolTip(QStringLiteral("胆码：从所选号码中取1到3个，每注都含全部胆码，其余号码按保证条件旋转（胆拖）"));
    WheelMakeBt = new QPushButton(QStringLiteral("生成"), makeGbx);
    WheelMakeBt->setObjectName(QStringLiteral("WheelMakeBt"));
    auto *makeLayout = new QVBoxLayout(makeGbx);
    makeLayout->addWidget(new QLabel(QStringLiteral("保证条件:"), makeGbx));
    makeLayout->addWidget(WheelGuaranteeCb);
    makeLayout->addWidget(new QLabel(QStringLiteral("胆码(可空):"), makeGbx));
    makeLayout->addWidget(WheelBankerEd);
    makeLayout->addWidget(WheelMakeBt);
    makeLayout->addStretch(1);

    auto *survivorGbx = new QGroupBox(QStringLiteral("缩水后旋转"), this);
    WheelSurvivorCb = new QComboBox(survivorGbx);
    WheelSurvivorCb->setObjectName(QStringLiteral("WheelSurvivorCb"));
    for (const int t : {5, 4, 3})
        WheelSurvivorCb->addItem(QStringLiteral("保%1").arg(t), t);
    WheelSurvivorBt = new QPushButton(QStringLiteral("旋转缩水结果"), survivorGbx);
    WheelSurvivorBt->setObjectName(QStringLiteral("WheelSurvivorBt"));
    WheelSurvivorLbl = new QLabel(survivorGbx);
    WheelSurvivorLbl->setObjectName(QStringLiteral("WheelSurvivorLbl"));
    WheelSurvivorLbl->setWordWrap(true);
    auto *survivorLayout = new QVBoxLayout(survivorGbx);
    survivorLayout->addWidget(new QLabel(QStringLiteral("开奖号码在缩水结果中时，保证一注中:"), survivorGbx));
    survivorLayout->addWidget(WheelSurvivorCb);
    survivorLayout->addWidget(WheelSurvivorBt);
    survivorLayout->addWidget(WheelSurvivorLbl);
    survivorLayout->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(numbersGbx);
    top->addWidget(makeGbx);
    top->addWidget(survivorGbx, 1);

    WheelMemo = new QPlainTextEdit(this);
    WheelMemo->setObjectName(QStringLiteral("WheelMemo"));
    WheelMemo->setReadOnly(true);
    WheelCountLbl = new QLabel(this);
    WheelCountLbl->setObjectName(QStringLiteral("WheelCountLbl"));
    WheelVerifiedLbl = new QLabel(this);
    WheelVerifiedLbl->setObjectName(QStringLiteral("WheelVerifiedLbl"));
    WheelVerifiedLbl->setWordWrap(true);
    QPalette green = WheelVerifiedLbl->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    WheelVerifiedLbl->setPalette(green);
    WheelUseBt = new QPushButton(QStringLiteral("作为当前结果"), this);
    WheelUseBt->setObjectName(QStringLiteral("WheelUseBt"));
    WheelUseBt->setEnabled(false);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(WheelCountLbl);
    bottom->addStretch(1);
    bottom->addWidget(WheelUseBt);

    // In a small window the tab scrolls rather than squeezing the grid over its labels.
    WheelMemo->setMinimumHeight(100);
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->addLayout(top);
    layout->addWidget(WheelMemo, 1);
    layout->addLayout(bottom);
    layout->addWidget(WheelVerifiedLbl);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("WheelScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    for (QPushButton *b : {WheelMakeBt, WheelClearBt, WheelUseBt, WheelSurvivorBt})
        b->setCursor(Qt::PointingHandCursor);
    connect(WheelMakeBt, &QPushButton::clicked, this, &TWheelTab::WheelMakeBtClick);
    connect(WheelSurvivorBt, &QPushButton::clicked, this, &TWheelTab::WheelSurvivorBtClick);
    connect(WheelUseBt, &QPushButton::clicked, this, &TWheelTab::WheelUseBtClick);
    connect(WheelClearBt, &QPushButton::clicked, this, [this] {
        WheelNumChk->SelectNone();
        updateNumberCount();
    });
    // A wheel over chosen numbers belongs to the numbers, bankers and guarantee it was
    // made for: changing any of them takes it off the screen.
    connect(WheelGuaranteeCb, &QComboBox::currentIndexChanged, this, [this] { clearChosenWheelIfStale(); });
    connect(WheelBankerEd, &QLineEdit::textEdited, this, [this] { clearChosenWheelIfStale(); });
    updateNumberCount();
}

void TWheelTab::SetSources(std::function<const TCodeList &()> survivors, std::function<TProgressForm *()> progress)
{
    m_survivors = std::move(survivors);
    m_progress = std::move(progress);
}

void TWheelTab::ShowSurvivorCount(int survivors)
{
    WheelSurvivorLbl->setText(QStringLiteral("缩水结果%1注").arg(survivors));
    // A survivor wheel belongs to the reduction it covered.
    if (m_shown == Shown::Survivors)
        clearWheel();
}

void TWheelTab::clearWheel()
{
    m_tickets.clear();
    m_header.clear();
    m_shown = Shown::Nothing;
    WheelMemo->clear();
    WheelCountLbl->clear();
    WheelVerifiedLbl->clear();
    WheelUseBt->setEnabled(false);
}

QList<int> TWheelTab::pickedNumbers() const
{
    QList<int> numbers;
    for (int i = 0; i < WheelNumChk->count(); ++i)
        if (WheelNumChk->GetCheck(i))
            numbers << WheelNumChk->GetCaption(i).toInt();
    return numbers;
}

void TWheelTab::clearChosenWheelIfStale()
{
    if (m_shown == Shown::Chosen && currentRequest() != m_request)
        clearWheel();
}

QString TWheelTab::currentRequest() const
{
    QStringList picked;
    for (const int x : pickedNumbers())
        picked << QString::number(x);
    return picked.join(QLatin1Char(',')) + QLatin1Char('|') + WheelBankerEd->text().simplified() + QLatin1Char('|')
        + WheelGuaranteeCb->currentData().toString();
}

bool TWheelTab::eventFilter(QObject *watched, QEvent *event)
{
    // The grid tells nothing of mouse toggles, so the count follows its input events.
    if (watched == WheelNumChk && (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease))
        updateNumberCount();
    return QWidget::eventFilter(watched, event);
}

void TWheelTab::updateNumberCount()
{
    WheelNumLbl->setText(QStringLiteral("已选%1个号码").arg(WheelNumChk->CheckedCount()));
    clearChosenWheelIfStale();
}

void TWheelTab::showTickets(const TCodeRedArrArr &tickets, const QString &count, const QString &verified,
                            const QString &title)
{
    m_tickets = tickets;
    WheelMemo->setPlainText(TicketLines(tickets).join(QLatin1Char('\n')));
    WheelCountLbl->setText(count);
    WheelVerifiedLbl->setText(verified);
    WheelUseBt->setEnabled(!tickets.empty());
    m_header = {title, count, verified, QString()};
}



void TWheelTab::WheelMakeBtClick()
{
    updateNumberCount();
    const QList<int> picked = pickedNumbers();
    const auto guarantee = ParseWheelGuarantee(WheelGuaranteeCb->currentData().toString());
    // 胆码 are picked numbers too: the wheel turns the others.
    QList<int> bankers;
    const QString bankerText = WheelBankerEd->text().trimmed();
    if (!bankerText.isEmpty()) {
        static const QRegularExpression separators(QStringLiteral("[\\s,，、]+"));
        for (const QString &piece : bankerText.split(separators, Qt::SkipEmptyParts)) {
            bool ok = false;
            const int x = piece.toInt(&ok);
            if (!ok || !picked.contains(x) || bankers.contains(x)) {
                MsgBox::error(this, QStringLiteral("胆码应为所选号码中的1到3个不同号码！！"));
                return;
            }
            bankers << x;
        }
        if (bankers.size() > 3) {
            MsgBox::error(this, QStringLiteral("胆码应为所选号码中的1到3个不同号码！！"));
            return;
        }
    }
    QList<int> numbers;
    for (const int x : picked)
        if (!bankers.contains(x))
            numbers << x;
    if (!bankers.isEmpty() && (numbers.size() < kWheelMinNumbers)) {
        MsgBox::error(this, QStringLiteral("除胆码外请至少再选择7个号码！！"));
        return;
    }
    const QString request = currentRequest();
    std::optional<ChosenWheel> wheel;
    bool finished = false;
    {
        const BusyTab busy(this);
        try {
            TWheelRunner runner(m_progress ? m_progress() : nullptr, window());
            const QString title = QStringLiteral("正在生成旋转矩阵...");
            finished = runner.run(title, [&](WheelControl &control) {
                wheel = MakeWheel(numbers, *guarantee, bankers, &control);
            });
        } catch (const SsqError &e) {
            MsgBox::error(this, e.text());
            return;
        }
    }
    if (!wheel) {
        if (!finished)
            showStatusNote(QStringLiteral("已取消，尚未找到完整的旋转矩阵"));
        return;
    }
    QString count = WheelCountLine(*wheel);
    if (!wheel->complete)
        count += QStringLiteral("——已取消：这是取消前找到的最好的旋转矩阵（已验证），不是最终结果");
    QString title = QStringLiteral("旋转矩阵：%1个号码%2").arg(wheel->numbers.size()).arg(wheel->guarantee.caption());
    if (!wheel->bankers.isEmpty()) {
        QStringList names;
        for (const int b : wheel->bankers)
            names << IntToPadStr(b, 2, true);
        title = QStringLiteral("旋转矩阵：胆码%1，拖码%2个，%3").arg(names.join(QLatin1Char(' '))).arg(wheel->numbers.size()).arg(wheel->guarantee.caption());
    }
    showTickets(wheel->tickets, count, WheelVerifiedLine(*wheel), title);
    m_shown = Shown::Chosen;
    m_request = request;
}

void TWheelTab::showStatusNote(const QString &text)
{
    clearWheel();
    WheelCountLbl->setText(text);
}

void TWheelTab::WheelSurvivorBtClick()
{
    // The survivors are copied before the worker starts: the panel's list may change
    // while the search runs.
    const TCodeList survivors = m_survivors ? m_survivors() : TCodeList{};
    if (const QString empty = NoSurvivorsMessage(survivors, QStringLiteral("旋转")); !empty.isEmpty()) {
        MsgBox::error(this, empty);
        return;
    }
    const int t = WheelSurvivorCb->currentData().toInt();
    std::optional<SurvivorWheel> wheel;
    {
        const BusyTab busy(this);
        try {
            TWheelRunner runner(m_progress ? m_progress() : nullptr, window());
            if (!runner.run(QStringLiteral("正在旋转缩水结果..."),
                            [&](WheelControl &control) { wheel = CoverSurvivors(survivors, t, &control); })
                || !wheel) {
                showStatusNote(QStringLiteral("缩水后旋转已取消"));
                return;
            }
        } catch (const SsqError &e) {
            MsgBox::error(this, e.text());
            return;
        }
    }
    const QString count = SurvivorWheelCountLine(*wheel);
    WheelSurvivorLbl->setText(count);
    showTickets(wheel->tickets, count, SurvivorWheelVerifiedLine(*wheel), QStringLiteral("缩水后旋转"));
    m_shown = Shown::Survivors;
}

void TWheelTab::WheelUseBtClick()
{
    if (m_tickets.empty())
        return;
    const TCodeList list = WheelResultList(m_tickets);
    QStringList report = m_header;
    ResultToLines(list, report);
    emit useAsResult(list, report);
}
