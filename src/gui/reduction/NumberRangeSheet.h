#pragma once

#include <QWidget>
#include <array>

class QGroupBox;
class QToolBar;
class QToolButton;
class TColorMChk;

// The tab "选号范围" (TabSheet3): the numbers a combination may use, with "全部选择" and
// "全部清除" on its tool bar (and a hidden "条件导出" that saves the conditions).
class TNumberRangeSheet : public QWidget
{
    Q_OBJECT

public:
    explicit TNumberRangeSheet(QWidget *parent = nullptr);

    void CreateControls();

    void TabSheet3TbrSelAllClick();
    void TabSheet3TbrSelNoneClick();

    std::array<bool, 33> numbers() const;
    void setNumbers(const std::array<bool, 33> &numbers);

    QToolBar *TabSheet3Tbr = nullptr;
    QToolButton *TabSheet3TbrSelAll = nullptr;
    QToolButton *TabSheet3TbrSelNone = nullptr;
    QToolButton *TabSheet3TbrExportBinds = nullptr;   // hidden
    QGroupBox *TabSheet3Gbx1 = nullptr;
    TColorMChk *NumberRange = nullptr;

signals:
    void exportBindsClicked();
};
