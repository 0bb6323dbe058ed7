#pragma once

#include <QTabWidget>

// The chart page control: thirteen pages ExTabSheet1..ExTabSheet13, one per item of the
// "常用图表(&G)" menu (the item's tag is the page index). The chart pages add themselves
// (with their query strips and chart controls) when the main window creates them.
class TGridPctl : public QTabWidget
{
    Q_OBJECT
public:
    static constexpr int kPageCount = 13;

    explicit TGridPctl(QWidget *parent = nullptr);

    // The page with index 0..12 (ExTabSheet1 is page 0); nullptr before the pages exist.
    QWidget *ExTabSheet(int index) const { return widget(index); }
};
