#pragma once

#include "core/charts/H2NetModel.h"
#include "gui/charts/MessageBoxReporter.h"

#include <QAbstractScrollArea>

class QPainter;

// The scrolling table of the chart pages: fixed header rows with merged captions on top,
// dynamic rows that scroll under them with the vertical scroll bar; a grid wider than the
// view scrolls sideways, its fixed columns (the issues) staying in place. Read-only; a chart
// routine fills model() and then calls Resize(). Bad cell indices are shown in a modal
// message box.
class TH2Net : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit TH2Net(QWidget *parent = nullptr);
    ~TH2Net() override;

    H2NetModel &model() { return m_model; }
    const H2NetModel &model() const { return m_model; }
    // Takes over the content of a table filled elsewhere and lays it out.
    void setModel(const H2NetModel &model);

    void Clear();
    // The relayout after a refill or a change of size: row slots, grid extent, scroll
    // range (the scroll position is kept inside the new range), repaint.
    void Resize();

signals:
    // After every relayout.
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // One part of the view: its clip, then the grid shifted left by `across` pixels.
    void paintPart(QPainter &painter, const QRect &area, int across);
    void paintGrid(QPainter &painter, const QRect &area, int across);
    void onScrollAction(int action);
    void syncScrollBar();
    // The grid's width in pixels, and whether it is wider than the view beside the
    // vertical scroll bar.
    int contentWidth() const;
    bool needsHorizontalBar() const;

    MessageBoxReporter m_reporter{this};
    H2NetModel m_model;
    bool m_syncing = false;
};
