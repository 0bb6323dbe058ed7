#pragma once

#include "core/history/DrawRecord.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// The query panel: lists a run of draws from a given issue and prints the list.
class TSqlPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TSqlPanel(const TBeenCodesRecArr &CodeArr, QWidget *parent = nullptr);

    QSpinBox *SqlSe1 = nullptr;   // the first issue
    QSpinBox *SqlSe2 = nullptr;   // the number of draws
    QPushButton *SqlBt = nullptr;
    QPushButton *PrintBt = nullptr;
    QPlainTextEdit *SqlMemo = nullptr;

    void SqlBtClick();
    void PrintBtClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const TBeenCodesRecArr &m_codeArr;
};
