#include "gui/reduction/BackTestTab.h"

#include "gui/app/MsgBox.h"
#include "gui/app/PrintLines.h"
#include "core/base/TextFile.h"
#include "core/code/SsqError.h"
#include "core/reduction/ReductionEngine.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

TBackTestTab::TBackTestTab(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BackTestSheet"));
    auto *strip = new QHBoxLayout;
    strip->addWidget(new QLabel(QStringLiteral("验证最近"), this));
    BackTestSe = new QSpinBox(this);
    BackTestSe->setObjectName(QStringLiteral("BackTestSe"));
    BackTestSe->setRange(1, 1000000);
    BackTestSe->setValue(100);
    strip->addWidget(BackTestSe);
    strip->addWidget(new QLabel(QStringLiteral("期开奖号码"), this));
    BackTestBt = new QPushButton(QStringLiteral("验证"), this);
    BackTestExportBt = new QPushButton(QStringLiteral("导出"), this);
    BackTestPrintBt = new QPushButton(QStringLiteral("打印"), this);
    for (QPushButton *b : {BackTestBt, BackTestExportBt, BackTestPrintBt}) {
        b->setCursor(Qt::PointingHandCursor);
        strip->addWidget(b);
    }
    strip->addStretch(1);

    BackTestLbl = new QLabel(QStringLiteral("用当前条件检验历史开奖号码：每期号码作为当时的候选号码，"
                                            "“与上期相同个数”与它的上一期比较。"),
                             this);
    BackTestLbl->setWordWrap(true);

    BackTestList = new QTableWidget(0, 3, this);
    BackTestList->setObjectName(QStringLiteral("BackTestList"));
    BackTestList->setHorizontalHeaderLabels({QStringLiteral("期号"), QStringLiteral("红球"), QStringLiteral("结果")});
    BackTestList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BackTestList->setSelectionBehavior(QAbstractItemView::SelectRows);
    BackTestList->verticalHeader()->setVisible(false);
    BackTestList->verticalHeader()->setDefaultSectionSize(20);
    BackTestList->setColumnWidth(0, 90);
    BackTestList->setColumnWidth(1, 160);
    BackTestList->horizontalHeader()->setStretchLastSection(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(strip);
    layout->addWidget(BackTestLbl);
    layout->addWidget(BackTestList, 1);

    connect(BackTestBt, &QPushButton::clicked, this, &TBackTestTab::BackTestBtClick);
    connect(BackTestExportBt, &QPushButton::clicked, this, &TBackTestTab::BackTestExportBtClick);
    connect(BackTestPrintBt, &QPushButton::clicked, this, &TBackTestTab::BackTestPrintBtClick);
}

void TBackTestTab::SetSources(std::function<ConditionSet()> readConditions, HistorySource history)
{
    m_readConditions = std::move(readConditions);
    m_history = std::move(history);
}

void TBackTestTab::BackTestBtClick()
{
    if (!m_readConditions || !m_history)
        return;
    BackTestResult result;
    int survivorsNow = 0;
    try {
        const ConditionSet conditions = m_readConditions();
        result = RunBackTest(conditions, m_history(), BackTestSe->value());
        // The share that survives now comes from a run of its own; the result list of
        // "缩水计算" is left alone.
        TCodeList scratch;
        survivorsNow = RunReduction(conditions, m_history(), scratch).survivors;
    } catch (const SsqError &e) {
        MsgBox::error(this, e.text());
        return;
    }
    m_result = std::move(result);
    m_summary = BackTestSummary(m_result, survivorsNow);
    BackTestLbl->setText(m_summary);

    BackTestList->setUpdatesEnabled(false);
    BackTestList->setRowCount(m_result.listed());
    const QColor removed(200, 30, 30);
    for (int i = 0; i < m_result.listed(); ++i) {
        const BackTestRow &row = m_result.rows[std::size_t(i)];
        auto *verdict = new QTableWidgetItem(BackTestRowVerdict(row, m_result.tolerance));
        if (row.failingStage != 0)
            verdict->setForeground(removed);
        BackTestList->setItem(i, 0, new QTableWidgetItem(row.draw.issueText()));
        BackTestList->setItem(i, 1, new QTableWidgetItem(RedArrToStr(row.sortedReds)));
        BackTestList->setItem(i, 2, verdict);
    }
    BackTestList->setUpdatesEnabled(true);
    BackTestList->scrollToBottom();
}

QStringList TBackTestTab::ListLines() const
{
    QStringList lines;
    if (m_result.rows.empty())
        return lines;
    lines << m_summary << QString();
    for (const BackTestRow &row : m_result.rows)
        lines << row.draw.issueText() + QStringLiteral("  ") + RedArrToStr(row.sortedReds) + QStringLiteral("  ")
                     + BackTestRowVerdict(row, m_result.tolerance);
    return lines;
}

bool TBackTestTab::ExportTo(const QString &path)
{
    QByteArray bytes;
    QString error;
    if (!GbkLinesBytes(ListLines(), bytes) || !WriteFileAtomically(path, bytes, error)) {
        MsgBox::error(this, CannotWriteMessage(path, error));
        return false;
    }
    return true;
}

void TBackTestTab::BackTestExportBtClick()
{
    if (m_result.rows.empty())
        return;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出验证结果"), QString(),
                                                      QStringLiteral("文本文件 (*.txt)"));
    if (!path.isEmpty())
        ExportTo(path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".txt"));
}

void TBackTestTab::BackTestPrintBtClick()
{
    if (!m_result.rows.empty())
        PrintLines(this, QStringLiteral("晨帆选号通 "), ListLines(), 12);
}
