#include "gui/reduction/PrizeStatsBox.h"

#include "gui/app/MsgBox.h"
#include "core/reduction/ResultOutput.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {
constexpr int kHitRows = 7;  // 6 reds down to 0
constexpr int kTierRows = 6;
} // namespace

TPrizeStatsBox::TPrizeStatsBox(QWidget *parent)
    : QGroupBox(QStringLiteral("中奖统计："), parent)
{
    setObjectName(QStringLiteral("PrizeStatsBox"));
    PrizeDrawEd = new QLineEdit(this);
    PrizeDrawEd->setObjectName(QStringLiteral("PrizeDrawEd"));
    PrizeDrawEd->setPlaceholderText(QStringLiteral("期号或 01 02 03 04 05 06+07"));
    PrizeBluesEd = new QLineEdit(this);
    PrizeBluesEd->setObjectName(QStringLiteral("PrizeBluesEd"));
    PrizeBluesEd->setPlaceholderText(QStringLiteral("空为全部16个"));
    PrizeStatBt = new QPushButton(QStringLiteral("统计"), this);
    PrizeStatBt->setCursor(Qt::PointingHandCursor);

    PrizeTable = new QTableWidget(kHitRows + kTierRows, 3, this);
    PrizeTable->setObjectName(QStringLiteral("PrizeTable"));
    PrizeTable->setHorizontalHeaderLabels({QStringLiteral("项目"), QStringLiteral("注数"), QStringLiteral("单注奖金")});
    PrizeTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PrizeTable->setSelectionMode(QAbstractItemView::NoSelection);
    PrizeTable->setFocusPolicy(Qt::NoFocus);
    PrizeTable->verticalHeader()->setVisible(false);
    PrizeTable->verticalHeader()->setDefaultSectionSize(20);
    PrizeTable->horizontalHeader()->setStretchLastSection(true);
    PrizeTable->setColumnWidth(0, 110);
    PrizeTable->setColumnWidth(1, 90);
    for (int r = 0; r < kHitRows + kTierRows; ++r)
        for (int c = 0; c < 3; ++c) {
            auto *cell = new QTableWidgetItem;
            if (c > 0)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            PrizeTable->setItem(r, c, cell);
        }
    for (int m = 6; m >= 0; --m)
        PrizeTable->item(6 - m, 0)->setText(QStringLiteral("红球命中%1个").arg(m));

    PrizeTotalLbl = new QLabel(this);
    PrizeTotalLbl->setObjectName(QStringLiteral("PrizeTotalLbl"));
    PrizeTotalLbl->setWordWrap(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("开奖号码:"), this), 0, 0);
    grid->addWidget(PrizeDrawEd, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("购买蓝球:"), this), 1, 0);
    grid->addWidget(PrizeBluesEd, 1, 1);
    grid->addWidget(PrizeStatBt, 0, 2, 2, 1);
    grid->addWidget(PrizeTable, 2, 0, 1, 3);
    grid->addWidget(PrizeTotalLbl, 3, 0, 1, 3);
    grid->setRowStretch(2, 1);

    connect(PrizeStatBt, &QPushButton::clicked, this, &TPrizeStatsBox::PrizeStatBtClick);
    connect(PrizeDrawEd, &QLineEdit::returnPressed, this, &TPrizeStatsBox::PrizeStatBtClick);
}

void TPrizeStatsBox::SetSources(const TCodeList *results, HistorySource history)
{
    m_results = results;
    m_history = std::move(history);
}

void TPrizeStatsBox::SuggestNewestDraw()
{
    if (m_history && !m_history().empty() && PrizeDrawEd->text().trimmed().isEmpty())
        PrizeDrawEd->setText(m_history().back().issueText());
}

void TPrizeStatsBox::ClearStats()
{
    for (int r = 0; r < PrizeTable->rowCount(); ++r)
        for (int c = 1; c < 3; ++c)
            PrizeTable->item(r, c)->setText(QString());
    PrizeTotalLbl->clear();
}

void TPrizeStatsBox::PrizeStatBtClick()
{
    if (!m_results || !m_history)
        return;
    // Figures that stayed beside a draw they were not computed for would be read as its.
    ClearStats();
    if (const QString empty = NoSurvivorsMessage(*m_results, QStringLiteral("统计中奖")); !empty.isEmpty()) {
        MsgBox::error(this, empty);
        return;
    }
    QString error;
    const auto draw = ParsePrizeDraw(PrizeDrawEd->text(), m_history(), error);
    if (!draw) {
        MsgBox::error(this, error);
        return;
    }
    const auto blues = ParseBlueList(PrizeBluesEd->text(), error);
    if (!blues) {
        MsgBox::error(this, error);
        return;
    }
    const PrizeStats stats = ComputePrizeStats(*m_results, *draw, *blues);
    for (int m = 6; m >= 0; --m)
        PrizeTable->item(6 - m, 1)->setText(QString::number(stats.redHits[std::size_t(m)]));
    for (int t = 0; t < kTierRows; ++t) {
        const PrizeTier &tier = stats.rule->tiers[std::size_t(t)];
        PrizeTable->item(kHitRows + t, 0)->setText(tier.name);
        PrizeTable->item(kHitRows + t, 1)->setText(QString::number(stats.tierCounts[std::size_t(t)]));
        PrizeTable->item(kHitRows + t, 2)->setText(tier.amount > 0 ? QStringLiteral("%1元").arg(tier.amount)
                                                                   : QStringLiteral("浮动"));
    }
    PrizeTotalLbl->setText(QStringLiteral("开奖号码 %1+%2：投注%3注，共%4元；固定奖金合计%5元（一、二等奖浮动，未计入）。")
                               .arg(RedArrToStr(draw->reds))
                               .arg(draw->blue, 2, 10, QLatin1Char('0'))
                               .arg(stats.tickets)
                               .arg(stats.cost)
                               .arg(stats.fixedTotal));
}
