#include "gui/charts/G2Net.h"

#include "gui/charts/ChartPainting.h"

#include <QLayout>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

namespace {

constexpr int kTextPointSize = 11;

// A pen line between two points, both ends included.
void drawLine(QPainter &painter, const QColor &color, int width, QPoint from, QPoint to)
{
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to);
}

// A framed rectangle as the chart draws its plot and bars: the frame on the outermost
// pixels of [left, right) x [top, bottom), the inside filled.
void drawFramedRect(QPainter &painter, const TRect &r, const QColor &frame, const QColor &fill)
{
    if (r.width() <= 0)
        return;
    if (r.height() <= 1) {
        // A bar of height 0 is its outline on the base line.
        const int y = r.height() == 1 ? r.top : r.bottom - 1;
        painter.fillRect(QRect(r.left, y, r.width(), 1), frame);
        return;
    }
    painter.fillRect(r.toQRect(), frame);
    if (r.width() > 2 && r.height() > 2)
        painter.fillRect(QRect(r.left + 1, r.top + 1, r.width() - 2, r.height() - 2), fill);
}

TRect normalized(TRect r)
{
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return r;
}

} // namespace

TG2Net::TG2Net(QWidget *parent)
    : QWidget(parent)
{
    m_model.SetReporter(&m_reporter);
    setFont(ChartBaseFont());
    setFocusPolicy(Qt::StrongFocus);
    m_model.Relayout();
}

TG2Net::~TG2Net()
{
    m_model.Clear();
}

void TG2Net::setModel(const G2NetModel &model)
{
    m_model = model;
    m_model.SetReporter(&m_reporter);
    Resize();
}

void TG2Net::Clear()
{
    m_model.Clear();
    Resize();
}

bool TG2Net::placedByLayout() const
{
    const QWidget *parent = parentWidget();
    return parent && parent->layout() && parent->layout()->indexOf(const_cast<TG2Net *>(this)) >= 0;
}

void TG2Net::Resize()
{
    m_model.Relayout();
    updateGeometry();
    if (!placedByLayout())
        resize(m_model.ControlSize());
    update();
    emit changed();
}

QSize TG2Net::sizeHint() const
{
    return m_model.ControlSize();
}

void TG2Net::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_model.Relayout();
    update();
}

void TG2Net::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QPalette &pal = palette();
    painter.fillRect(event->rect(), pal.color(QPalette::Window));

    const G2NetModel &m = m_model;
    if (m.DynColCount() <= 0 || m.DynRowCount() <= 0)
        return;
    const TRect &P = m.PlotRect();
    const QFont regular = ChartTextFont(font(), kTextPointSize, false);
    const QFont bold = ChartTextFont(font(), kTextPointSize, true);
    const QColor textColor = pal.color(QPalette::WindowText);
    const QColor olive(128, 128, 0);
    const QColor black(Qt::black);

    painter.setFont(regular);
    painter.setPen(textColor);
    DrawCentredLine(painter, m.FTitle, m.TitleRect());

    if (m.FShowGrid)
        drawFramedRect(painter, P, olive, pal.color(QPalette::Base));

    for (int i = 0; i <= m.FBandCount; ++i) {
        const int y = m.AxisY(i);
        drawLine(painter, black, 2, QPoint(P.left - 3, y), QPoint(P.left, y));
        painter.setFont(bold);
        painter.setPen(textColor);
        DrawCentredLine(painter, QString::number(m.AxisLabel(i)), m.AxisLabelRect(i));
        if (i > 0 && m.FShowGrid)
            painter.fillRect(QRect(P.left, y, P.width(), 1), olive);
    }

    for (int x = 1; x <= m.DynColCount(); ++x) {
        const TRect label = m.CategoryLabelRect(x);
        painter.setFont(regular);
        painter.setPen(textColor);
        DrawCentredLine(painter, m.GetValue(x, 0), label);
        const int tickX = (label.left + label.right) / 2;
        const int base = m.ScaledBar(x, 1).bottom;
        drawLine(painter, black, 2, QPoint(tickX, base), QPoint(tickX, base + 3));
    }

    const QColor barFrame(50, 18, 52);
    const QFont valueFont = ChartTextFont(font(), m.ValueLabelPointSize(), true);
    for (int y = 1; y <= m.DynRowCount(); ++y) {
        const QColor fill = ToQColor(m.RowColor(y), pal);
        for (int x = 1; x <= m.DynColCount(); ++x) {
            const TRect bar = m.ScaledBar(x, y);
            drawFramedRect(painter, normalized(bar), barFrame, fill);
            if (m.FShowValues && m.ValueLabelShown(x)) {
                painter.setFont(valueFont);
                painter.setPen(textColor);
                DrawCentredLine(painter, m.GetValue(x, y), m.ValueLabelRect(bar));
            }
        }
    }

    // The axes end in one-sided arrow heads.
    painter.setPen(QPen(black, 1));
    painter.drawLine(QPoint(P.left, P.bottom), QPoint(P.left, P.top - 15));
    painter.drawLine(QPoint(P.left, P.top - 15), QPoint(P.left - 3, P.top - 3));
    painter.drawLine(QPoint(P.left, P.bottom), QPoint(P.right + 15, P.bottom));
    painter.drawLine(QPoint(P.right + 15, P.bottom), QPoint(P.right + 3, P.bottom - 3));
}
