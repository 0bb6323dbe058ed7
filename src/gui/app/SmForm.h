#pragma once

#include <QDialog>

class QPlainTextEdit;

// The explanation window: a sizeable window with one memo. The caller fills Memo and
// then calls ShowExplanation.
class TSmForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSmForm(QWidget *parent = nullptr);

    QPlainTextEdit *Memo = nullptr;

    // Sets the caption and shows the window modally.
    void ShowExplanation(const QString &caption);
};
