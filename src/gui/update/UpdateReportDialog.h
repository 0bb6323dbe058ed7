#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The result of an online update before anything is saved: the headline ("新增45期
// （2026096–2026140）"), the sources, gaps, disagreements and notes, and the choice to save
// the new draws into the history file or to leave everything as it was.
class TUpdateReportDialog : public QDialog
{
    Q_OBJECT
public:
    TUpdateReportDialog(const QStringList &reportLines, const QString &warning, QWidget *parent = nullptr);

    QLabel *HeadlineLbl = nullptr;
    QPlainTextEdit *ReportMemo = nullptr;
    QLabel *WarningLbl = nullptr;
    QPushButton *SaveBt = nullptr;
    QPushButton *CancelBt = nullptr;
};
