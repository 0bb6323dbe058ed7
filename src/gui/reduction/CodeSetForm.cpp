#include "gui/reduction/CodeSetForm.h"

#include "gui/controls/ColorChk.h"
#include "core/reduction/ConditionSet.h"
#include "core/reduction/TypedNumbers.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

TCodeSetForm::TCodeSetForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("CodeSetForm"));
    setWindowTitle(QStringLiteral("号码选择（可选1-33个）"));
    setModal(true);
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(14);
    setFont(f);
    setFixedSize(328, 150);

    CodeChk = new TColorMChk(this);
    CodeChk->setObjectName(QStringLiteral("CodeChk"));
    CodeChk->move(25, 10);
    for (const QString &caption : NumberCaptions(1, ConditionItems::Numbers))
        CodeChk->AddItem(caption);
    CodeChk->SetCols(10);
    CodeChk->SetCellWidth(20);
    CodeChk->SetCellHeight(20);
    CodeChk->SetSpacing(4);
    CodeChk->setCursor(Qt::PointingHandCursor);
    CodeChk->Relayout();

    OkBt = new QPushButton(QStringLiteral("确定"), this);
    OkBt->setObjectName(QStringLiteral("OkBt"));
    OkBt->setGeometry(169, 118, 75, 25);
    OkBt->setDefault(true);
    connect(OkBt, &QPushButton::clicked, this, &QDialog::accept);

    CancelBt = new QPushButton(QStringLiteral("取消"), this);
    CancelBt->setObjectName(QStringLiteral("CancelBt"));
    CancelBt->setGeometry(248, 118, 75, 25);
    // Escape reaches QDialog::reject, as a cancel button's does.
    connect(CancelBt, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString TCodeSetForm::pick(const QString &numbers)
{
    // The field may hold numbers typed with blanks or Chinese commas.
    CodeChk->SetCheckedText(QStringLiteral(","), TypedNumbersAsList(numbers));
    CodeChk->setFocus();
    if (exec() != QDialog::Accepted)
        return numbers;
    return CodeChk->GetCheckedText(QStringLiteral(","));
}
