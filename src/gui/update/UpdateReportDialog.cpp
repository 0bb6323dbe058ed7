#include "gui/update/UpdateReportDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TUpdateReportDialog::TUpdateReportDialog(const QStringList &reportLines, const QString &warning, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("UpdateReportDialog"));
    setWindowTitle(QStringLiteral("在线更新"));
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(14);
    setFont(f);
    resize(560, 340);

    HeadlineLbl = new QLabel(reportLines.value(0), this);
    HeadlineLbl->setObjectName(QStringLiteral("HeadlineLbl"));
    QFont bold = font();
    bold.setPixelSize(16);
    bold.setBold(true);
    HeadlineLbl->setFont(bold);
    HeadlineLbl->setStyleSheet(QStringLiteral("color: #c00000;"));

    ReportMemo = new QPlainTextEdit(this);
    ReportMemo->setObjectName(QStringLiteral("ReportMemo"));
    ReportMemo->setReadOnly(true);
    ReportMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ReportMemo->setPlainText(reportLines.mid(1).join(QLatin1Char('\n')));

    WarningLbl = new QLabel(warning, this);
    WarningLbl->setObjectName(QStringLiteral("WarningLbl"));
    WarningLbl->setWordWrap(true);
    WarningLbl->setStyleSheet(QStringLiteral("color: #a05000;"));
    WarningLbl->setVisible(!warning.isEmpty());

    auto *question = new QLabel(QStringLiteral("把新增的开奖数据保存到开奖数据文件吗？"), this);
    SaveBt = new QPushButton(QStringLiteral("保存"), this);
    SaveBt->setObjectName(QStringLiteral("SaveBt"));
    CancelBt = new QPushButton(QStringLiteral("取消"), this);
    CancelBt->setObjectName(QStringLiteral("CancelBt"));
    // With unsaved edits in the data panel (the warning) saving may drop draws the player
    // deleted by mistake: Enter then answers 取消.
    (warning.isEmpty() ? SaveBt : CancelBt)->setDefault(true);
    connect(SaveBt, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBt, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(question, 1);
    buttons->addWidget(SaveBt);
    buttons->addWidget(CancelBt);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(HeadlineLbl);
    layout->addWidget(ReportMemo, 1);
    layout->addWidget(WarningLbl);
    layout->addLayout(buttons);
}
