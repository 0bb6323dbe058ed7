#pragma once

#include <QDialog>

class QPushButton;
class TColorMChk;

// The number picker "号码选择（可选1-33个）": a grid of the red numbers 1..33 and the buttons
// "确定" and "取消". One picker is made at start-up and shared by both group editors.
class TCodeSetForm : public QDialog
{
    Q_OBJECT

public:
    explicit TCodeSetForm(QWidget *parent = nullptr);

    // Runs the picker modally on `numbers` ("01,08,09": one leading zero is dropped,
    // pieces without a cell are ignored). Answers the picked numbers ascending without
    // padding ("1,8,9") after "确定", and `numbers` unchanged after "取消" or closing.
    QString pick(const QString &numbers);

    TColorMChk *CodeChk = nullptr;
    QPushButton *OkBt = nullptr;
    QPushButton *CancelBt = nullptr;
};
