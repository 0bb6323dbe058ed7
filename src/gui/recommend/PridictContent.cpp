#include "gui/recommend/PridictContent.h"

#include "gui/app/AppResources.h"
#include "gui/app/MsgBox.h"
#include "gui/app/PrintLines.h"
#include "core/base/TextFile.h"
#include "gui/app/ToolBarButtons.h"
#include "core/code/SsqError.h"
#include "core/recommend/RecommendExport.h"
#include "gui/recommend/RecommendIcons.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The memo's background, RGB(241, 223, 205).
const QColor kMemoColour(241, 223, 205);

} // namespace

TPridictContent::TPridictContent(const TBeenCodesRecArr *history, StatusFn status, PrintFn print,
                                 QWidget *parent)
    : QWidget(parent), m_history(history), m_status(std::move(status)), m_print(std::move(print))
{
    setObjectName(QStringLiteral("PridictContent"));
    AppResources::init();
    if (!m_print) {
        m_print = [this](const QString &title, const QStringList &lines, int fontSize) {
            PrintLines(this, title, lines, fontSize);
        };
    }
    m_chooseFile = [this] { return askExportFile(); };
    createToolBar();
    createMemo();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(TuiMemo, 1);
}

void TPridictContent::setSaveFileChooser(SaveFileChooser chooser)
{
    m_chooseFile = chooser ? std::move(chooser) : SaveFileChooser([this] { return askExportFile(); });
}

QToolButton *TPridictContent::addButton(const QString &name, const QString &caption,
                                        const QIcon &icon, void (TPridictContent::*handler)())
{
    QToolButton *button = ToolBarButtons::add(ToolBar1, name, caption, QString());
    button->setIcon(icon);
    connect(button, &QToolButton::clicked, this, handler);
    return button;
}

void TPridictContent::createToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBarButtons::setUp(ToolBar1);

    RcmExportBt = addButton(QStringLiteral("RcmExportBt"), QStringLiteral("导出"),
                            AppResources::icon(QStringLiteral("save")),
                            &TPridictContent::RcmExportBtClick);
    RcmPrintBt = addButton(QStringLiteral("RcmPrintBt"), QStringLiteral("打印"),
                           RecommendIcons::printer(), &TPridictContent::RcmPrintBtClick);
    ToolBar1->addSeparator();
    RcmLmBt = addButton(QStringLiteral("RcmLmBt"), QStringLiteral("冷码推荐"),
                        RecommendIcons::ball(QColor(40, 110, 220)), &TPridictContent::RcmLmBtClick);
    RcmRmBt = addButton(QStringLiteral("RcmRmBt"), QStringLiteral("热码推荐"),
                        RecommendIcons::ball(QColor(220, 40, 40)), &TPridictContent::RcmRmBtClick);
    RcmBcmBt = addButton(QStringLiteral("RcmBcmBt"), QStringLiteral("必出码荐"),
                         RecommendIcons::ball(QColor(235, 140, 20)), &TPridictContent::RcmBcmBtClick);
    RcmDmBt = addButton(QStringLiteral("RcmDmBt"), QStringLiteral("胆码推荐"),
                        RecommendIcons::ball(QColor(150, 60, 190)), &TPridictContent::RcmDmBtClick);
    RcmDzBt = addButton(QStringLiteral("RcmDzBt"), QStringLiteral("单注推荐"),
                        RecommendIcons::ball(QColor(30, 160, 80)), &TPridictContent::RcmDzBtClick);
    RcmFsBt = addButton(QStringLiteral("RcmFsBt"), QStringLiteral("复式预测"),
                        RecommendIcons::twoBalls(QColor(220, 40, 40), QColor(40, 110, 220)),
                        &TPridictContent::RcmFsBtClick);

    RcmFsMenu = new QMenu(this);
    RcmFsMenu->setObjectName(QStringLiteral("RcmFsMenu"));
    RcmFsMenuR2 = RcmFsMenu->addAction(QStringLiteral("复式推荐(23码)推荐2组"), this,
                                       &TPridictContent::RcmFsMenuR2Click);
    RcmFsMenuR2->setObjectName(QStringLiteral("RcmFsMenuR2"));
    RcmFsMenuR20 = RcmFsMenu->addAction(QStringLiteral("复式推荐(15码)推荐20组"), this,
                                        &TPridictContent::RcmFsMenuR20Click);
    RcmFsMenuR20->setObjectName(QStringLiteral("RcmFsMenuR20"));
    RcmFsMenu30 = RcmFsMenu->addAction(QStringLiteral("复式推荐(12码)推荐30组"), this,
                                       &TPridictContent::RcmFsMenu30Click);
    RcmFsMenu30->setObjectName(QStringLiteral("RcmFsMenu30"));
}

void TPridictContent::createMemo()
{
    TuiMemo = new QPlainTextEdit(this);
    TuiMemo->setObjectName(QStringLiteral("TuiMemo"));
    TuiMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TuiMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette pal = TuiMemo->palette();
    pal.setColor(QPalette::Base, kMemoColour);
    TuiMemo->setPalette(pal);
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(10);
    TuiMemo->setFont(font);
}

QStringList TPridictContent::memoLines() const
{
    return MemoLines(TuiMemo->toPlainText());
}

void TPridictContent::runCommand(RecommendKind kind)
{
    static const TBeenCodesRecArr empty;
    RecommendOutput out;
    try {
        // The single tickets build and walk the whole combination list: a moment the
        // user may notice.
        const bool slow = kind == RecommendKind::Single;
        if (slow)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        struct Restore
        {
            bool on;
            ~Restore()
            {
                if (on)
                    QApplication::restoreOverrideCursor();
            }
        } restore{slow};
        out = RunRecommend(kind, m_history ? *m_history : empty);
    } catch (const SsqError &e) {
        // Too few draws for the statistics: the memo and the status bar keep what they show.
        MsgBox::warning(this, e.text());
        return;
    }
    TuiMemo->setPlainText(RecommendMemoText(out.lines));
    if (m_status)
        m_status(out.completion);
}

QString TPridictContent::askExportFile()
{
    QFileDialog dialog(this, QStringLiteral("导出推荐号码"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("文本文件 (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void TPridictContent::RcmExportBtClick()
{
    const QString path = m_chooseFile();
    if (path.isEmpty())
        return;
    try {
        ExportRecommendFile(path, memoLines());
    } catch (const SsqError &e) {
        MsgBox::error(this, e.text());
    }
}

void TPridictContent::RcmPrintBtClick()
{
    m_print(QString::fromUtf16(kRecommendPrintTitle), memoLines(), kRecommendPrintFontSize);
}

void TPridictContent::RcmLmBtClick() { runCommand(RecommendKind::Cold); }
void TPridictContent::RcmRmBtClick() { runCommand(RecommendKind::Hot); }
void TPridictContent::RcmBcmBtClick() { runCommand(RecommendKind::Must); }
void TPridictContent::RcmDmBtClick() { runCommand(RecommendKind::Banker); }

void TPridictContent::RcmDzBtClick() { runCommand(RecommendKind::Single); }

void TPridictContent::RcmFsBtClick()
{
    RcmFsMenu->popup(QCursor::pos());
}

void TPridictContent::RcmFsMenuR2Click() { runCommand(RecommendKind::Multi23); }
void TPridictContent::RcmFsMenuR20Click() { runCommand(RecommendKind::Multi15); }
void TPridictContent::RcmFsMenu30Click() { runCommand(RecommendKind::Multi12); }
