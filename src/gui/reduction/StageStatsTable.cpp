#include "gui/reduction/StageStatsTable.h"

#include "core/reduction/StageNames.h"

#include <QHeaderView>

TStageStatsTable::TStageStatsTable(QWidget *parent)
    : QTableWidget(kStageCount, 5, parent)
{
    setObjectName(QStringLiteral("StageStatsTable"));
    setHorizontalHeaderLabels({QStringLiteral("条件"), QStringLiteral("状态"), QStringLiteral("剔除"),
                               QStringLiteral("剩余"), QStringLiteral("不满足")});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    // The stage names say which stage a row is; the room goes to the seven-digit counts.
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    for (int s = 0; s < kStageCount; ++s) {
        setVerticalHeaderItem(s, new QTableWidgetItem(QString::number(s + 1)));
        setItem(s, 0, new QTableWidgetItem(StageName(s + 1)));
        for (int c = 1; c < 5; ++c) {
            auto *cell = new QTableWidgetItem;
            cell->setTextAlignment(c == 1 ? Qt::Alignment(Qt::AlignCenter) : Qt::AlignRight | Qt::AlignVCenter);
            setItem(s, c, cell);
        }
    }
    ClearStages();
}

void TStageStatsTable::ShowStages(const StageOutcomes &stages, int tolerance,
                                  const std::array<bool, kStageCount> &inert)
{
    // A strict run shows the table as it always was.
    setColumnHidden(4, tolerance == 0);
    for (int s = 0; s < kStageCount; ++s) {
        const StageOutcome &o = stages[std::size_t(s)];
        const bool used = o.active && !inert[std::size_t(s)];
        item(s, 1)->setText(used ? QStringLiteral("启用") : QStringLiteral("未用"));
        item(s, 2)->setText(QString::number(o.removed));
        item(s, 3)->setText(QString::number(o.left));
        item(s, 4)->setText(QString::number(o.failed));
        const QColor ink = used ? palette().color(QPalette::Text) : palette().color(QPalette::PlaceholderText);
        for (int c = 0; c < 5; ++c)
            item(s, c)->setForeground(ink);
    }
}

void TStageStatsTable::ClearStages()
{
    setColumnHidden(4, true);
    for (int s = 0; s < kStageCount; ++s)
        for (int c = 0; c < 5; ++c) {
            if (c > 0)
                item(s, c)->setText(QString());
            item(s, c)->setForeground(palette().color(QPalette::Text));   // no stage stands out
        }
}

QSize TStageStatsTable::sizeHint() const
{
    // Wide enough for the longest condition and seven-digit counts, every row visible.
    return {300, horizontalHeader()->height() + kStageCount * 20 + 2 * frameWidth()};
}
