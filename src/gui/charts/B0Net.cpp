#include "gui/charts/B0Net.h"

#include "gui/charts/ChartPainting.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

constexpr int kTextPointSize = 11;

} // namespace

TB0Net::TB0Net(QWidget *parent)
    : QWidget(parent)
{
    m_model.SetReporter(&m_reporter);
    setFont(ChartBaseFont());
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(0, 0, 400, 300);
}

TB0Net::~TB0Net()
{
    m_model.Clear();
}

void TB0Net::setModel(const B0NetModel &model)
{
    m_model = model;
    m_model.SetReporter(&m_reporter);
    Resize();
}

void TB0Net::Clear()
{
    m_model.Clear();
    Resize();
}

void TB0Net::Resize()
{
    m_model.Relayout(height());
    m_fittedSize = m_model.FitSize();
    updateGeometry();
    resize(m_fittedSize);
    update();
    emit changed();
}

QSize TB0Net::sizeHint() const
{
    return m_model.FitSize();
}

// A size given from outside lays the rows out anew. The size the table gave itself does
// not: counting the rows again in the height that just fits them would, without a title
// band, find one row fewer each time and shrink the table away.
void TB0Net::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (event->size() != m_fittedSize)
        Resize();
}

void TB0Net::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QPalette &pal = palette();
    painter.fillRect(event->rect(), pal.color(QPalette::Window));

    const B0NetModel &m = m_model;
    const int cols = m.ColsCount();
    if (cols <= 0 || m.RowsCount() <= 0)
        return;
    const TRect &grid = m.GridRect();
    const int L = m.FLineWidth;
    const QColor gridColor = ToQColor(m.FGridColor, pal);

    for (int i = 0; i <= m.VisibleRows(); ++i) {
        const int y = m.RowTop(i, false) - L;
        FillTRect(painter, TRect{0, y, grid.right + L, y + L}, gridColor);
    }
    for (int c = 0; c <= cols; ++c) {
        const int x = m.ColLeft(c) - L;
        FillTRect(painter, TRect{x, m.TitleHeight(), x + L, grid.bottom + L}, gridColor);
    }

    painter.setFont(ChartTextFont(font(), kTextPointSize, true));
    painter.setPen(pal.color(QPalette::WindowText));
    if (!m.FTitle.isEmpty())
        DrawCellText(painter, m.FTitle, m.TitleRect());

    for (int r = 0; r < m.VisibleRows(); ++r) {
        const int row = m.TopRow() + r;
        if (row >= m.RowsCount())
            break;
        for (int c = 0; c < cols; ++c) {
            const TRect rect = m.RectOfCell(r, c, true);
            FillTRect(painter, rect, ToQColor(m.GetColor(c, row), pal));
            DrawCellText(painter, m.GetText(c, row), rect);
        }
    }
}
