#pragma once

#include <QWidget>

class QPlainTextEdit;
class QToolBar;

// The recommendation panel: the tool bar ToolBar1 and the memo TuiMemo. The
// recommendation commands put their buttons on the tool bar and write into the memo.
class TPridictPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TPridictPanel(QWidget *parent = nullptr);

    QToolBar *ToolBar1 = nullptr;
    QPlainTextEdit *TuiMemo = nullptr;
};
