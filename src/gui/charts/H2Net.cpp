#include "gui/charts/H2Net.h"

#include "gui/charts/ChartPainting.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <vector>

namespace {

ScrollRequest requestOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return ScrollRequest::LineUp;
    case QAbstractSlider::SliderSingleStepAdd: return ScrollRequest::LineDown;
    case QAbstractSlider::SliderPageStepSub: return ScrollRequest::PageUp;
    case QAbstractSlider::SliderPageStepAdd: return ScrollRequest::PageDown;
    case QAbstractSlider::SliderMove: return ScrollRequest::ThumbTrack;
    case QAbstractSlider::SliderToMinimum: return ScrollRequest::Top;
    case QAbstractSlider::SliderToMaximum: return ScrollRequest::Bottom;
    default: return ScrollRequest::Other;
    }
}

} // namespace

TH2Net::TH2Net(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    m_model.SetReporter(&m_reporter);
    setFont(ChartBaseFont());
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Columns widened for the totals of a long history may need more than the window's
    // width; then a horizontal scroll bar appears. The table of 30 draws fits as it did.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, &TH2Net::onScrollAction);
    syncScrollBar();
}

TH2Net::~TH2Net()
{
    m_model.Clear();
}

void TH2Net::setModel(const H2NetModel &model)
{
    const int topRow = m_model.TopRow();
    m_model = model;
    m_model.SetReporter(&m_reporter);
    // The copy brings its own scroll position; the view keeps the one the user chose.
    m_model.Scroll(ScrollRequest::ThumbPosition, topRow);
    Resize();
}

void TH2Net::Clear()
{
    m_model.Clear();
    Resize();
}

void TH2Net::Resize()
{
    // The client height: the viewport's once it is laid out, and already right while the
    // control is hidden and its viewport still waits for its first layout.
    int height = contentsRect().height();
    if (needsHorizontalBar())
        height -= horizontalScrollBar()->sizeHint().height();
    m_model.Relayout(height);
    syncScrollBar();
    viewport()->update();
    emit changed();
}

int TH2Net::contentWidth() const
{
    return m_model.ColsCount() > 0 ? m_model.ColLeft(m_model.ColsCount()) + 1 : 0;
}

bool TH2Net::needsHorizontalBar() const
{
    return contentWidth() > contentsRect().width() - verticalScrollBar()->sizeHint().width();
}

void TH2Net::syncScrollBar()
{
    m_syncing = true;
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, m_model.ScrollMax());
    bar->setPageStep(std::max(m_model.VisibleRows(), 1));
    bar->setValue(m_model.TopRow());
    QScrollBar *across = horizontalScrollBar();
    const int room = std::max(contentsRect().width() - verticalScrollBar()->sizeHint().width(), 1);
    across->setRange(0, needsHorizontalBar() ? contentWidth() - room : 0);
    across->setPageStep(room);
    across->setSingleStep(16);
    m_syncing = false;
}

// Qt has already moved the slider by its own rule; the table's rule decides.
void TH2Net::onScrollAction(int action)
{
    QScrollBar *bar = verticalScrollBar();
    const ScrollRequest request = requestOf(action);
    const int position = NextScrollPosition(request, bar->value(), bar->minimum(), bar->maximum(),
                                            m_model.VisibleRows(), bar->sliderPosition());
    bar->setSliderPosition(position);
}

void TH2Net::scrollContentsBy(int dx, int)
{
    if (dx != 0)
        viewport()->update();
    if (m_syncing)
        return;
    m_model.Scroll(ScrollRequest::ThumbPosition, verticalScrollBar()->value());
    viewport()->update();
    setFocus(Qt::OtherFocusReason);
}

void TH2Net::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    Resize();
}

void TH2Net::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    if (m_model.ColsCount() <= 0 || m_model.DynRows() <= 0)
        return;
    // The fixed columns stay where they are; the others move with the scroll bar and
    // pass beneath them.
    const int across = horizontalScrollBar()->value();
    const int fixed = across > 0 ? m_model.FixedWidth() : 0;
    const QRect area = event->rect();
    QRect scrolling = area;
    scrolling.setLeft(std::max(area.left(), fixed));
    paintPart(painter, scrolling, across);
    if (fixed > 0)
        paintPart(painter, area.intersected(QRect(0, area.top(), fixed, area.height())), 0);
}

void TH2Net::paintPart(QPainter &painter, const QRect &area, int across)
{
    if (area.isEmpty())
        return;
    painter.save();
    painter.setClipRect(area);
    paintGrid(painter, area, across);
    painter.restore();
}

void TH2Net::paintGrid(QPainter &painter, const QRect &area, int across)
{
    painter.translate(-across, 0);
    const QPalette &pal = palette();
    const H2NetModel &m = m_model;
    const int cols = m.ColsCount();
    const TRect exposed = ToTRect(area.translated(across, 0));
    const TRect &grid = m.GridRect();
    const int L = m.FLineWidth;
    std::vector<int> lefts(std::size_t(cols) + 1);
    for (int c = 0; c <= cols; ++c)
        lefts[std::size_t(c)] = m.ColLeft(c);
    const auto colVisible = [&](int c) {
        return lefts[std::size_t(c)] < exposed.right
               && lefts[std::size_t(c)] + m.ColWidths()[std::size_t(c)] > exposed.left;
    };

    // The lattice covers every row slot of the client height, also below the last row.
    const QColor black(Qt::black);
    const int slotCount = m.FixRowCount() + m.VisibleRows();
    for (int i = 0; i <= slotCount; ++i) {
        const TRect line{0, m.RowTop(i, false) - L, grid.right + L, m.RowTop(i, false)};
        if (line.intersects(exposed))
            FillTRect(painter, line, black);
    }
    for (int c = 0; c <= cols; ++c) {
        const TRect line{lefts[std::size_t(c)] - L, 0, lefts[std::size_t(c)], grid.bottom + L};
        if (line.intersects(exposed))
            FillTRect(painter, line, black);
    }

    painter.setFont(ChartTextFont(font(), m.FFontSize, true));
    painter.setPen(pal.color(QPalette::WindowText));

    // Fixed rows always carry the header colour, whatever their cell colour says.
    const QColor fixColor = ToQColor(m.FFixColor, pal);
    for (int r = 0; r < m.FixRowCount(); ++r) {
        for (int c = 0; c < cols; ++c) {
            if (!colVisible(c))
                continue;
            const TRect rect = m.RectOfCell(r, c, false);
            if (!rect.intersects(exposed))
                continue;
            FillTRect(painter, rect, fixColor);
            DrawCellText(painter, m.CellText(r, c), rect);
        }
    }

    // Only the slots on screen are visited: rows scrolled out of view cost nothing.
    for (int s = m.FixRowCount(); s < slotCount; ++s) {
        const int row = m.TopRow() + s;
        if (row >= m.RowCount())
            break;
        const int top = m.RowTop(row, true);
        if (top >= exposed.bottom || top + m.FRowHeight <= exposed.top)
            continue;
        for (int c = 0; c < cols; ++c) {
            if (!colVisible(c))
                continue;
            const TRect rect = m.RectOfCell(row, c, true);
            const TColor color = m.CellColor(row, c);
            if (color != clWindow)
                FillTRect(painter, rect, ToQColor(color, pal));
            const QString &text = m.CellText(row, c);
            if (!text.isEmpty())
                DrawCellText(painter, text, rect);
        }
    }

    // Captions last and unscrolled: they cover the grid lines inside them and stay over
    // the header while the rows move.
    for (const MergeCell &merge : m.Merges()) {
        TRect rect;
        if (!merge.Visible || !m.MergeRect(merge, rect) || !rect.intersects(exposed))
            continue;
        FillTRect(painter, rect, ToQColor(merge.Color, pal));
        DrawCellText(painter, merge.Text, rect);
    }
}
