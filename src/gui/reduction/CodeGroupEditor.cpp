#include "gui/reduction/CodeGroupEditor.h"

#include "gui/app/MsgBox.h"
#include "gui/controls/MultiChk.h"
#include "gui/reduction/CodeSetForm.h"
#include "core/reduction/ConditionSet.h"
#include "gui/reduction/ConditionWidgets.h"
#include "core/reduction/GroupLines.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int kListLeft = 16;
constexpr int kListTop = 84;
constexpr int kFirstListHeight = 118;

QString named(const char *base, int number)
{
    return QString::fromLatin1(base) + QString::number(number);
}

QPushButton *newButton(QWidget *parent, const QString &caption, const QString &name, int left,
                       int top)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(left, top, 75, 25);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

TCodeGroupEditor::TCodeGroupEditor(int number, const QString &caption, int matchItems,
                                   QWidget *parent)
    : QGroupBox(caption, parent), m_number(number), m_matchItems(matchItems)
{
    setObjectName(named("RcmSheet2Gbx", number));

    CodeLbl = new QLabel(QStringLiteral("自选号码:"), this);
    CodeLbl->move(16, 28);
    CodeEd = new QLineEdit(this);
    CodeEd->setObjectName(named("CodeEd", number));
    CodeEd->setGeometry(86, 24, 345, 22);
    CodeEd->setToolTip(QStringLiteral("输入选择的号码，比如：01,08,09,12,14,17,21,24"));
    CodeEd->setStatusTip(CodeEd->toolTip());
    NumSetBt = newButton(this, QStringLiteral("选择号码"), named("Sheet2NumSetBt", number), 439, 22);

    CountLbl = new QLabel(QStringLiteral("号码数目:"), this);
    CountLbl->move(16, 63);
    AddSetBt = newButton(this, QStringLiteral("增加"), named("Sheet2AddSetBt", number), 439, 54);
    DelSetBt = newButton(this, QStringLiteral("删除"), named("Sheet2DelSetBt", number), 522, 54);

    CodeSelLbx = new QListWidget(this);
    CodeSelLbx->setObjectName(named("CodeSelLbx", number));
    CodeSelLbx->setSelectionMode(QAbstractItemView::ExtendedSelection);
    CodeSelLbx->setGeometry(kListLeft, kListTop, 600, kFirstListHeight);

    connect(NumSetBt, &QPushButton::clicked, this, &TCodeGroupEditor::NumSetBtClick);
    connect(AddSetBt, &QPushButton::clicked, this, &TCodeGroupEditor::AddSetBtClick);
    connect(DelSetBt, &QPushButton::clicked, this, &TCodeGroupEditor::DelSetBtClick);
    connect(CodeSelLbx, &QListWidget::itemClicked, this, &TCodeGroupEditor::CodeSelLbxClick);
}

void TCodeGroupEditor::CreateControls()
{
    if (MatchCount)
        return;
    MatchCount = ConditionWidgets::newCheckList(this, NumberCaptions(0, m_matchItems), 20, 86, 60);
    MatchCount->setObjectName(named("MatchCount", m_number));
}

void TCodeGroupEditor::NumSetBtClick()
{
    TCodeSetForm *picker = m_picker ? m_picker() : nullptr;
    if (!picker)
        return;
    CodeEd->setText(picker->pick(CodeEd->text()));
}

void TCodeGroupEditor::AddSetBtClick()
{
    if (MatchCount->CheckedCount() == 0) {
        MsgBox::error(this, QString::fromUtf16(kNoMatchCountMessage));
        return;
    }
    const QString counts = MatchCount->GetCheckedText(QStringLiteral(","));
    // A line the reduction cannot read would only stop the next run; say so now, while
    // the user still has the text in front of him.
    const QString problem = GroupEntryProblem(CodeEd->text(), counts);
    if (!problem.isEmpty()) {
        MsgBox::error(this, problem);
        return;
    }
    CodeSelLbx->addItem(MakeGroupLine(CodeEd->text(), counts));
}

void TCodeGroupEditor::DelSetBtClick()
{
    for (int row = CodeSelLbx->count() - 1; row >= 0; --row)
        if (CodeSelLbx->item(row)->isSelected())
            delete CodeSelLbx->takeItem(row);
}

void TCodeGroupEditor::CodeSelLbxClick()
{
    const QList<QListWidgetItem *> selected = CodeSelLbx->selectedItems();
    if (selected.size() != 1)
        return;
    QString numbers;
    QString counts;
    SplitGroupLine(selected.front()->text(), numbers, counts);
    CodeEd->setText(numbers);
    MatchCount->SetCheckedText(QStringLiteral(","), counts);
}

void TCodeGroupEditor::sizeList(bool fillHeight)
{
    const int height = fillHeight ? std::max(this->height() - 90, 20) : CodeSelLbx->height();
    CodeSelLbx->setGeometry(kListLeft, kListTop, std::max(width() - 35, 50), height);
}

QStringList TCodeGroupEditor::lines() const
{
    return ConditionWidgets::readLines(CodeSelLbx);
}

void TCodeGroupEditor::setLines(const QStringList &lines)
{
    ConditionWidgets::writeLines(CodeSelLbx, lines);
}
