#include "gui/charts/DrawTablesBox.h"

#include "gui/charts/B0Net.h"
#include "core/charts/B0NetModel.h"
#include "core/charts/ChartGrids.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

TDrawTablesBox::TDrawTablesBox(FillTable fill, QWidget *parent)
    : QScrollArea(parent), m_fill(fill), m_content(new QWidget)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setBackgroundRole(QPalette::Base);
    viewport()->setBackgroundRole(QPalette::Base);
    m_content->setBackgroundRole(QPalette::Base);
    m_content->setAutoFillBackground(true);
    m_content->resize(0, 0);
    setWidget(m_content);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeTablesInView(); });
}

void TDrawTablesBox::Clear()
{
    SetDraws({});
}

QSize TDrawTablesBox::tableSize() const
{
    if (m_draws.empty())
        return {};
    B0NetModel model;
    m_fill(model, m_draws.front());
    model.Relayout(kGridTablePitch);
    return model.FitSize();
}

void TDrawTablesBox::SetDraws(TBeenCodesRecArr draws)
{
    while (!m_inView.empty())
        release(m_inView.begin()->first);
    m_draws = std::move(draws);
    const int count = int(m_draws.size());
    QSize extent;
    if (count > 0) {
        const QSize table = tableSize();
        const QPoint lastInFirstLine = GridTablePos(std::min(count, 4) - 1);
        const QPoint lastLine = GridTablePos(count - 1);
        extent = QSize(lastInFirstLine.x() + table.width(), lastLine.y() + table.height());
    }
    m_content->resize(extent);
    verticalScrollBar()->setValue(0);
    placeTablesInView();
    viewport()->update();
}

TB0Net *TDrawTablesBox::TableAt(int i) const
{
    const auto it = m_inView.find(i);
    return it == m_inView.end() ? nullptr : it->second;
}

void TDrawTablesBox::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    placeTablesInView();
}

void TDrawTablesBox::release(int index)
{
    const auto it = m_inView.find(index);
    if (it == m_inView.end())
        return;
    it->second->hide();
    m_spare.push_back(it->second);
    m_inView.erase(it);
}

TB0Net *TDrawTablesBox::takeTable()
{
    if (!m_spare.empty()) {
        TB0Net *table = m_spare.back();
        m_spare.pop_back();
        return table;
    }
    return new TB0Net(m_content);
}

// The lines of tables that touch the visible part of the box get their controls; the
// others give theirs back for reuse.
void TDrawTablesBox::placeTablesInView()
{
    const int count = int(m_draws.size());
    const int top = verticalScrollBar()->value();
    const int firstLine = std::max(0, top / kGridTablePitch);
    const int lastLine = (top + std::max(viewport()->height(), 1)) / kGridTablePitch;
    const int first = std::min(count, firstLine * 4);
    const int last = std::min(count, (lastLine + 1) * 4); // exclusive

    std::vector<int> leaving;
    for (const auto &entry : m_inView)
        if (entry.first < first || entry.first >= last)
            leaving.push_back(entry.first);
    for (int index : leaving)
        release(index);

    for (int i = first; i < last; ++i) {
        if (m_inView.count(i))
            continue;
        TB0Net *table = takeTable();
        m_fill(table->model(), m_draws[std::size_t(i)]);
        const QPoint pos = GridTablePos(i);
        table->setGeometry(pos.x(), pos.y(), kGridTablePitch, kGridTablePitch);
        table->Resize();
        table->show();
        m_inView[i] = table;
    }
}
