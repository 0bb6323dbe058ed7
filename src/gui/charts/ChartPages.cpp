#include "gui/charts/ChartPages.h"

#include "core/charts/ChartPageJson.h"

#include "gui/app/SmForm.h"
#include "gui/charts/B0Net.h"
#include "core/charts/ChartAnalysis.h"
#include "core/charts/ChartBlue.h"
#include "core/charts/ChartClasses.h"
#include "core/charts/ChartFrame.h"
#include "core/charts/ChartGrids.h"
#include "core/charts/ChartOmission.h"
#include "core/charts/ChartRedTrend.h"
#include "gui/charts/DrawTablesBox.h"
#include "gui/charts/G2Net.h"
#include "gui/charts/H2Net.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace {

constexpr int kQueryPanelHeight = 33;
constexpr int kNotePanelHeight = 30;

bool isTablePage(int page)
{
    return ChartTableRoutine(page) != nullptr || page == PageRotation;
}

// The pages' strips and notes use the program's font at 9 points (12 pixels).
QFont stripFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    return font;
}

constexpr int kLabelLeft = 7;
// Wide enough for a four-digit count beside the up and down buttons of this platform's
// spin edits (a count over the whole history has four digits).
constexpr QRect kCountSeBounds(72, 5, 56, 23);

// The label "统计最近         期的走势情况" holds the spin edit in its blanks. It is
// drawn in two pieces around the spin edit, so that no font (the fallback for "宋体"
// has narrower blanks) lets the text after the gap run under the spin edit.
void makeGapLabel(QWidget *panel, const QString &text)
{
    constexpr int kTop = 10;
    constexpr int kClearance = 2;
    const qsizetype gap = text.indexOf(QLatin1Char(' '));
    const QString head = text.left(gap);
    const QString tail = text.mid(gap).trimmed();
    auto *headLabel = new QLabel(head, panel);
    headLabel->move(kLabelLeft, kTop);
    headLabel->adjustSize();
    const QFontMetrics metrics(panel->font());
    const int tailLeft = std::max(kLabelLeft + metrics.horizontalAdvance(text.left(text.indexOf(tail))),
                                  kCountSeBounds.right() + 1 + kClearance);
    auto *tailLabel = new QLabel(tail, panel);
    tailLabel->move(tailLeft, kTop);
    tailLabel->adjustSize();
}

QSpinBox *makeSpin(QWidget *parent, int min, int max, int value, const QRect &bounds)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(min, max);
    spin->setValue(value);
    spin->setGeometry(bounds);
    return spin;
}

// The component names of the page, by tab number 1..13: "ExTabSheet7Se".
QString componentName(int page, const char *suffix)
{
    return QStringLiteral("ExTabSheet%1%2").arg(page + 1).arg(QLatin1String(suffix));
}

} // namespace

TChartPages *BuildChartPages(QTabWidget *GridPctl, const TBeenCodesRecArr *CodeArr)
{
    return new TChartPages(GridPctl, CodeArr);
}

TChartPages::TChartPages(QTabWidget *GridPctl, const TBeenCodesRecArr *CodeArr)
    : QObject(GridPctl), m_gridPctl(GridPctl), m_codeArr(CodeArr), m_reporter(GridPctl)
{
    // Adding the pages to a visible page control would show one of them; nothing is
    // computed before the pages are complete.
    m_building = true;
    for (int page = 0; page < ChartPageCount; ++page) {
        QWidget *sheet = makePage(page);
        m_pages[std::size_t(page)] = sheet;
        GridPctl->addTab(sheet, kChartPageCaptions[std::size_t(page)]);
        sheet->installEventFilter(this);
    }
    GridPctl->tabBar()->setCursor(Qt::PointingHandCursor);
    GridPctl->setCurrentIndex(PageRedTrend);
    m_building = false;
    if (GridPctl->isVisible())
        RefreshPage(GridPctl->currentIndex());
}

QWidget *TChartPages::makePage(int page)
{
    auto *sheet = new QWidget;
    sheet->setObjectName(componentName(page, ""));
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeQueryPanel(page, sheet));
    layout->addWidget(makeContent(page, sheet), 1);
    if (page == PageZone)
        layout->addWidget(makeZoneNotePanel(sheet));
    return sheet;
}

QWidget *TChartPages::makeQueryPanel(int page, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setFont(stripFont());
    panel->setFixedHeight(kQueryPanelHeight);

    const bool rotation = page == PageRotation;
    makeGapLabel(panel, rotation ? QStringLiteral("统计最近         期的走势情况，起点为")
                                 : QStringLiteral("统计最近         期的走势情况"));

    QSpinBox *count = makeSpin(panel, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                               kDefaultChartCount, kCountSeBounds);
    count->setObjectName(componentName(page, "Se"));
    m_countSe[std::size_t(page)] = count;

    int goLeft = page <= PageOddEven ? 218 : 226;
    if (rotation) {
        m_startSe = makeSpin(panel, 1, 33, kDefaultRotationStart, QRect(270, 5, 44, 23));
        m_startSe->setObjectName(QStringLiteral("ExTabSheet8StartSe"));
        goLeft = 330;
    }
    auto *go = new QPushButton(QStringLiteral("查询"), panel);
    go->setObjectName(componentName(page, "GoBt"));
    go->setGeometry(goLeft, 6, 57, 22);
    m_goBt[std::size_t(page)] = go;
    connect(go, &QPushButton::clicked, this, [this, page] { RefreshPage(page); });

    if (page == PageAnalysis) {
        m_smBt = new QPushButton(QStringLiteral("说明"), panel);
        m_smBt->setObjectName(QStringLiteral("ExTabSheet13SmBt"));
        m_smBt->setGeometry(298, 6, 57, 22);
        connect(m_smBt, &QPushButton::clicked, this, &TChartPages::ShowAnalysisExplanation);
    }
    return panel;
}

QWidget *TChartPages::makeZoneNotePanel(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setFont(stripFont());
    panel->setFixedHeight(kNotePanelHeight);
    auto *note = new QLabel(ZoneChartNoteLines().join(QLatin1Char('\n')), panel);
    note->setGeometry(55, 2, 497, 28);
    return panel;
}

QScrollArea *TChartPages::makeScrollBox(QWidget *parent)
{
    auto *box = new QScrollArea(parent);
    box->setFrameShape(QFrame::NoFrame);
    box->setBackgroundRole(QPalette::Base);
    box->viewport()->setBackgroundRole(QPalette::Base);
    return box;
}

QWidget *TChartPages::makeContent(int page, QWidget *parent)
{
    if (isTablePage(page)) {
        auto *table = new TH2Net(parent);
        m_tables[std::size_t(page)] = table;
        return table;
    }
    switch (page) {
    case PageRedStat:
    case PageBlueStat: {
        // The chart keeps its own size; a small window scrolls over it.
        QScrollArea *box = makeScrollBox(parent);
        auto *chart = new TG2Net;
        box->setWidget(chart);
        (page == PageRedStat ? m_redStat : m_blueStat) = chart;
        return box;
    }
    case PageEmptyRowCol:
        m_emptyRowCol = new TDrawTablesBox(FillEmptyRowColTable, parent);
        m_emptyRowCol->setObjectName(QStringLiteral("ExTabSheet6ScrollBox"));
        return m_emptyRowCol;
    case PageGann:
        m_gann = new TDrawTablesBox(FillGannTable, parent);
        m_gann->setObjectName(QStringLiteral("ExTabSheet12ScrollBox"));
        return m_gann;
    case PageOmission:
    default: {
        m_omissionBox = makeScrollBox(parent);
        m_omissionBox->setObjectName(QStringLiteral("ExTabSheet11ScrollBox"));
        m_omissionContent = new QWidget;
        m_omissionContent->setBackgroundRole(QPalette::Base);
        m_omissionContent->setAutoFillBackground(true);
        m_redOmission = new TB0Net(m_omissionContent);
        m_blueOmission = new TB0Net(m_omissionContent);
        m_omissionBox->setWidget(m_omissionContent);
        m_omissionBox->viewport()->installEventFilter(this);
        return m_omissionBox;
    }
    }
}

TG2Net *TChartPages::BarChart(int page) const
{
    return page == PageRedStat ? m_redStat : page == PageBlueStat ? m_blueStat : nullptr;
}

TDrawTablesBox *TChartPages::DrawTables(int page) const
{
    return page == PageEmptyRowCol ? m_emptyRowCol : page == PageGann ? m_gann : nullptr;
}

// A page is computed when it becomes the visible page: picked by its tab or from the
// charts menu, or shown with the page control.
bool TChartPages::eventFilter(QObject *watched, QEvent *event)
{
    // The omission tables stay centred when the box changes its width (also when its
    // scroll bar comes or goes).
    if (event->type() == QEvent::Resize && watched == m_omissionBox->viewport()) {
        if (m_redOmission->model().RowsCount() > 0)
            placeOmissionTables();
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Show && !m_building) {
        const auto it = std::find(m_pages.begin(), m_pages.end(), watched);
        if (it != m_pages.end())
            RefreshPage(int(it - m_pages.begin()));
    }
    return QObject::eventFilter(watched, event);
}

void TChartPages::RefreshPage(int page)
{
    if (page < 0 || page >= ChartPageCount)
        return;
    const int n = m_countSe[std::size_t(page)]->value();
    if (isTablePage(page))
        refreshTable(page, n);
    else if (page == PageRedStat || page == PageBlueStat)
        refreshBars(page, n);
    else if (page == PageEmptyRowCol || page == PageGann)
        refreshDrawTables(page, n);
    else if (page == PageOmission)
        refreshOmission(n);
}

void TChartPages::refreshTable(int page, int n)
{
    TH2Net *table = m_tables[std::size_t(page)];
    const bool filled = page == PageRotation
                            ? FillRotationChart(table->model(), *m_codeArr, n, m_startSe->value(), &m_reporter)
                            : ChartTableRoutine(page)(table->model(), *m_codeArr, n, &m_reporter);
    if (filled)
        table->Resize();
}

void TChartPages::refreshBars(int page, int n)
{
    TG2Net *chart = BarChart(page);
    const bool filled = page == PageRedStat ? FillRedStatChart(chart->model(), *m_codeArr, n, &m_reporter)
                                            : FillBlueStatChart(chart->model(), *m_codeArr, n, &m_reporter);
    if (filled)
        chart->Resize();
}

// The tables of the last run go first, so that a refused count leaves the page empty.
void TChartPages::refreshDrawTables(int page, int n)
{
    TDrawTablesBox *box = DrawTables(page);
    box->Clear();
    n = ChartDrawCount(*m_codeArr, n, &m_reporter);
    if (n < 0)
        return;
    TBeenCodesRecArr draws;
    draws.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i)
        draws.push_back(NewestDraw(*m_codeArr, i));
    box->SetDraws(std::move(draws));
}

void TChartPages::refreshOmission(int n)
{
    if (!FillOmissionTables(m_redOmission->model(), m_blueOmission->model(), *m_codeArr, n, &m_reporter))
        return;
    placeOmissionTables();
}

void TChartPages::placeOmissionTables()
{
    placeOmissionTablesIn(m_omissionBox->viewport()->width());
}

// The red table is centred in the scroll box (at its left edge when the box is narrower),
// the blue one below it.
void TChartPages::placeOmissionTablesIn(int boxWidth)
{
    const int left = std::max(0, (boxWidth - kOmissionTableWidth) / 2);
    m_redOmission->setGeometry(left, 0, kOmissionTableWidth, kRedOmissionHeight);
    m_redOmission->Resize();
    m_blueOmission->setGeometry(left, m_redOmission->height() + kOmissionTableGap, kOmissionTableWidth,
                                kBlueOmissionHeight);
    m_blueOmission->Resize();
    const QRect extent = m_redOmission->geometry().united(m_blueOmission->geometry());
    m_omissionContent->resize(extent.right() + 1, extent.bottom() + 1);
    m_redOmission->show();
    m_blueOmission->show();
}

void TChartPages::ShowAnalysisExplanation()
{
    if (!m_smForm)
        m_smForm = new TSmForm(m_gridPctl->window());
    m_smForm->Memo->clear();
    for (const QString &line : AnalysisExplanationLines())
        m_smForm->Memo->appendPlainText(line);
    m_smForm->ShowExplanation(AnalysisExplanationCaption());
}
