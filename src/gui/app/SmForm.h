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

    // Sets the caption and shows the window modally, its text from the top.
    void ShowExplanation(const QString &caption);
    // Shows a whole text (the user's guide) in the window without blocking the main
    // window, from the top.
    void ShowText(const QString &caption, const QString &text);

private:
    // A memo filled line by line ends with its caret, and so its view, at the last line.
    void scrollToTop();
};
