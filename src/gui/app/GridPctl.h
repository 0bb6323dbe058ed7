#pragma once

#include <QTabWidget>
#include <array>

// The chart page control: thirteen pages ExTabSheet1..ExTabSheet13, one per item of the
// "常用图表(&G)" menu (the item's tag is the page index). Each page is an empty widget
// here; the chart pages place their query strip and chart controls on it.
class TGridPctl : public QTabWidget
{
    Q_OBJECT
public:
    static constexpr int kPageCount = 13;

    explicit TGridPctl(QWidget *parent = nullptr);

    // The page with index 0..12 (ExTabSheet1 is page 0).
    QWidget *ExTabSheet(int index) const { return m_pages.at(size_t(index)); }

    // The tab captions, which are also the captions of the chart menu items.
    static QString pageCaption(int index);

private:
    std::array<QWidget *, kPageCount> m_pages{};
};
