#include "app/AppResources.h"
#include "charts/B0Net.h"
#include "charts/G2Net.h"
#include "charts/H2Net.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <array>

namespace {

const QColor kFix(228, 224, 243);
const QColor kRedMark(255, 134, 132);
const QColor kGrey(128, 128, 128);

QString renderPath(const QString &name)
{
    QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
    return QStringLiteral(SSQ_RENDER_DIR "/") + name + QStringLiteral(".png");
}

void save(QWidget &w, const QString &name)
{
    QVERIFY(w.grab().save(renderPath(name)));
}

QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

QImage viewportImage(TH2Net &table)
{
    return table.viewport()->grab().toImage();
}

// Draws that look like real ones: six distinct reds in written order and a blue.
std::vector<std::array<int, 7>> sampleDraws(int count)
{
    std::vector<std::array<int, 7>> draws;
    quint32 seed = 20050130;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % quint32(range));
    };
    for (int i = 0; i < count; ++i) {
        std::array<int, 7> d{};
        for (int k = 0; k < 6; ++k) {
            int n = 0;
            do
                n = next(33) + 1;
            while (std::find(d.begin(), d.begin() + k, n) != d.begin() + k);
            d[std::size_t(k)] = n;
        }
        std::sort(d.begin(), d.begin() + 6);
        d[6] = next(16) + 1;
        draws.push_back(d);
    }
    return draws;
}

QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Issue texts going back from draw 150 of 2026, 153 draws a year.
QString issueText(int i)
{
    const int back = i + 3; // 150 = 153 - 3
    return QStringLiteral("%1%2").arg(2026 - back / 153).arg(153 - back % 153, 3, 10, QLatin1Char('0'));
}

void caption(H2NetModel &m, int index, int left, int top, int right, int bottom, const QString &text)
{
    m.SetMerge(index, true, QPoint(left, top), QPoint(right, bottom), text, m.FFixColor);
}

// The red-ball trend table over the given draws, newest first, with its summary row.
void fillRedTrend(H2NetModel &m, const std::vector<std::array<int, 7>> &draws)
{
    const int N = int(draws.size());
    std::vector<int> widths(41, 16);
    widths[0] = 66;
    widths[7] = 32;
    m.FFontSize = 10;
    m.SetTableSize(41, N + 1, 2, widths);
    for (int p = 1; p <= 6; ++p)
        m.SetValue(1, p, QString::number(p));
    for (int n = 1; n <= 33; ++n)
        m.SetValue(1, 7 + n, QString::number(n));
    m.SetMergeCount(4);
    caption(m, 0, 0, 0, 0, 1, QStringLiteral("期号"));
    caption(m, 1, 1, 0, 6, 0, QStringLiteral("红球号码"));
    caption(m, 2, 7, 0, 7, 1, QStringLiteral("蓝球"));
    caption(m, 3, 8, 0, 40, 0, QStringLiteral("红球分布"));
    std::array<int, 34> counts{};
    for (int i = 0; i < N; ++i) {
        const int row = 2 + i;
        const auto &d = draws[std::size_t(i)];
        m.SetValue(row, 0, issueText(i));
        for (int k = 0; k < 6; ++k) {
            m.SetValue(row, 1 + k, two(d[std::size_t(k)]));
            m.SetValue(row, 7 + d[std::size_t(k)], two(d[std::size_t(k)]));
            m.SetColor(row, 7 + d[std::size_t(k)], RgbColor(255, 134, 132));
            ++counts[std::size_t(d[std::size_t(k)])];
        }
        m.SetValue(row, 7, two(d[6]));
    }
    m.SetValue(N + 2, 0, QStringLiteral("  合计 "));
    for (int c = 0; c < 41; ++c)
        m.SetColor(N + 2, c, RgbColor(128, 128, 128));
    for (int n = 1; n <= 33; ++n)
        m.SetValue(N + 2, 7 + n, QString::number(counts[std::size_t(n)]));
}

// The analysis table's header: captions of two lines over narrow columns, size 9.
void fillAnalysisHeader(H2NetModel &m, int rows)
{
    std::vector<int> widths(29, 25);
    widths[0] = 56;
    for (int c = 1; c <= 6; ++c)
        widths[std::size_t(c)] = 18;
    widths[7] = 24;
    widths[8] = widths[9] = 32;
    const QStringList captions = {
        "和值", "平均\r\n值", "尾数\r\n和值", "奇号\r\n个数", "偶号\r\n个数", "奇偶\r\n偏差",
        "奇号\r\n连续", "偶号\r\n连续", "大号\r\n个数", "小号\r\n个数", "大小\r\n偏差",
        "尾号\r\n组数", "AC\r\n值", "质号\r\n个数", "连号\r\n个数", "连号\r\n组数", "首尾\r\n差",
        "最大\r\n间距", "同位\r\n相同", "重号\r\n个数", "斜号\r\n个数"};
    m.FFontSize = 9;
    m.SetTableSize(29, rows + 1, 2, widths);
    for (int p = 1; p <= 6; ++p)
        m.SetValue(1, p, QString::number(p));
    m.SetMergeCount(24);
    caption(m, 0, 0, 0, 0, 1, QStringLiteral("期号"));
    caption(m, 1, 1, 0, 6, 0, QStringLiteral("红球号码"));
    caption(m, 2, 7, 0, 7, 1, QStringLiteral("蓝球"));
    for (int i = 3; i <= 23; ++i)
        caption(m, i, i + 5, 0, i + 5, 1, captions[i - 3]);
    const auto draws = sampleDraws(rows);
    for (int i = 0; i < rows; ++i) {
        const auto &d = draws[std::size_t(i)];
        m.SetValue(2 + i, 0, issueText(i));
        int sum = 0;
        for (int k = 0; k < 6; ++k) {
            m.SetValue(2 + i, 1 + k, two(d[std::size_t(k)]));
            sum += d[std::size_t(k)];
        }
        m.SetValue(2 + i, 7, two(d[6]));
        m.SetValue(2 + i, 8, two(sum));
        m.SetValue(2 + i, 9, QString::number(sum / 6));
        for (int c = 10; c < 29; ++c)
            m.SetValue(2 + i, c, two((sum + c) % 7));
    }
    m.SetValue(rows + 2, 0, QStringLiteral("合计"));
    for (int c = 0; c < 29; ++c)
        m.SetColor(rows + 2, c, RgbColor(128, 128, 128));
}

// One series of counts with the statistics charts' scale rule.
void fillStatistics(G2NetModel &m, const std::vector<int> &counts, int barWidth, int barGap, int minBands,
                    TColor barColor)
{
    const int cats = int(counts.size());
    m.SetData(cats + 1, 2, {RgbColor(0, 0, 255), barColor});
    int most = 0;
    for (int x = 1; x <= cats; ++x) {
        m.SetValue(x, 0, QString::number(x));
        m.SetValue(x, 1, QString::number(counts[std::size_t(x - 1)]));
        most = std::max(most, counts[std::size_t(x - 1)]);
    }
    m.FBarWidth = barWidth;
    m.FBarGap = barGap;
    m.FBandHeight = 20;
    m.FBandCount = std::min(20, std::max(minBands, most / 3));
    m.FScale = float(double(most) / (20.0 * m.FBandCount));
    m.FShowGrid = true;
}

enum Layout { Natural, Gann };

// A per-draw 6 x 6 table of tab 6 (natural layout) or tab 12 (spiral), marked for the reds.
void fillDrawTable(TB0Net &table, Layout layout, const std::array<int, 6> &reds, int blue)
{
    static const int spiral[6][6] = {{31, 32, 33, 0, 0, 0},  {30, 13, 14, 15, 16, 17},
                                     {29, 12, 3, 4, 5, 18},  {28, 11, 2, 1, 6, 19},
                                     {27, 10, 9, 8, 7, 20},  {26, 25, 24, 23, 22, 21}};
    const TColor white = RgbColor(255, 255, 255);
    const TColor red = RgbColor(255, 0, 0);
    const TColor grey = RgbColor(169, 169, 168);
    const TColor gannBlue = RgbColor(88, 118, 240);
    B0NetModel &m = table.model();
    m.FTitle = QStringLiteral("2026%1期").arg(reds[0] + 100);
    m.SetTableSize(6, 6, std::vector<int>(6, 24));
    int score[6][6] = {};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c) {
            const int n = layout == Natural ? (r * 6 + c + 1 <= 33 ? r * 6 + c + 1 : 0) : spiral[r][c];
            m.SetColor(c, r, white);
            if (n > 0)
                m.SetText(c, r, QString::number(n));
            if (std::find(reds.begin(), reds.end(), n) != reds.end() && n > 0) {
                m.SetColor(c, r, red);
                score[r][c] = 1;
            }
            if (layout == Gann && n == blue) {
                m.SetColor(c, r, gannBlue);
                score[r][c] = 2;
            }
        }
    const int needed = layout == Natural ? 1 : 2;
    for (int r = 0; r < 6; ++r) {
        int s = 0;
        for (int c = 0; c < 6; ++c)
            s += score[r][c];
        if ((layout == Natural && s == 0) || (layout == Gann && s >= needed))
            for (int c = 0; c < 6; ++c)
                if (score[r][c] == 0)
                    m.SetColor(c, r, grey);
    }
    for (int c = 0; c < 6; ++c) {
        int s = 0;
        for (int r = 0; r < 6; ++r)
            s += score[r][c];
        if ((layout == Natural && s == 0) || (layout == Gann && s >= needed))
            for (int r = 0; r < 6; ++r)
                if (score[r][c] == 0)
                    m.SetColor(c, r, grey);
    }
    m.FGridColor = RgbColor(0, 0, 255);
    table.Resize();
}

// Answers the next modal message box, keeping its text.
class MessageCatcher : public QObject
{
public:
    MessageCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        m_timer.start(10);
    }
    QStringList texts;

private:
    QTimer m_timer;
};

} // namespace

class TestChartControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As the program does at start: "宋体" falls back to the installed CJK font.
        AppResources::installFontSubstitutes();
    }

    void redTrendTable()
    {
        TH2Net table;
        table.resize(800, 520);
        fillRedTrend(table.model(), sampleDraws(30));
        table.Resize();
        save(table, QStringLiteral("h2net_red_trend"));

        const H2NetModel &m = table.model();
        QCOMPARE(m.VisibleRows(), table.viewport()->height() / 21 - 2);
        QCOMPARE(m.ScrollMax(), 31 - m.VisibleRows());
        const QImage img = viewportImage(table);
        // Inside "红球分布" (row 0) the grid line between numbers 1 and 2 is covered...
        const int line = m.ColLeft(9) - 1;
        QCOMPARE(pixel(img, line, 3), kFix);
        // ...while in the row of the numbers below it stays.
        QCOMPARE(pixel(img, line, 24), QColor(Qt::black));
        // The header cell "1" of position 1 is filled with the header colour.
        const TRect pos1 = m.RectOfCell(1, 1, false);
        QCOMPARE(pixel(img, pos1.left, pos1.top), kFix);
        // The newest draw's first red is marked in its number column.
        const int firstRed = m.GetValue(2, 1).toInt();
        const TRect mark = m.RectOfCell(2, 7 + firstRed, true);
        QCOMPARE(pixel(img, mark.left, mark.top), kRedMark);
        QCOMPARE(pixel(img, mark.left - 1, mark.top), QColor(Qt::black));
        // An unmarked data cell is not filled.
        const int other = firstRed == 1 ? 33 : 1;
        if (m.GetValue(2, 7 + other).isEmpty()) {
            const TRect plain = m.RectOfCell(2, 7 + other, true);
            QCOMPARE(pixel(img, plain.left, plain.top), QColor(Qt::white));
        }
    }

    void redTrendScrolledToTheSummary()
    {
        TH2Net table;
        table.resize(800, 420);
        fillRedTrend(table.model(), sampleDraws(30));
        table.Resize();
        QScrollBar *bar = table.verticalScrollBar();
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(table.model().TopRow(), table.model().ScrollMax());
        save(table, QStringLiteral("h2net_red_trend_bottom"));
        const H2NetModel &m = table.model();
        const QImage img = viewportImage(table);
        // The last slot shows the grey summary row; the merged captions stay on top.
        const int lastSlot = m.FixRowCount() + m.VisibleRows() - 1;
        const int y = m.RowTop(lastSlot, false);
        QCOMPARE(pixel(img, 2, y + 1), kGrey);
        QCOMPARE(pixel(img, m.ColLeft(9) - 1, 3), kFix);
    }

    void shortTableKeepsTheLatticeBelowTheLastRow()
    {
        TH2Net table;
        table.resize(800, 400);
        fillRedTrend(table.model(), sampleDraws(3));
        table.Resize();
        save(table, QStringLiteral("h2net_three_draws"));
        const H2NetModel &m = table.model();
        QCOMPARE(m.ScrollMax(), 0);
        QVERIFY(!table.verticalScrollBar()->isVisible());
        const QImage img = viewportImage(table);
        const int lastSlotTop = m.RowTop(m.FixRowCount() + m.VisibleRows() - 1, false);
        QCOMPARE(pixel(img, 30, lastSlotTop - 1), QColor(Qt::black));
        QCOMPARE(pixel(img, 30, lastSlotTop + 5), QColor(Qt::white));
    }

    void emptyTablePaintsOnlyTheBackground()
    {
        TH2Net table;
        table.resize(300, 200);
        table.model().SetTableSize(3, 0, 2, {20, 20, 20});
        table.model().SetMergeCount(1);
        table.model().SetMerge(0, true, QPoint(0, 0), QPoint(2, 0), QStringLiteral("x"), RgbColor(255, 0, 0));
        table.Resize();
        const QImage img = viewportImage(table);
        for (int y = 0; y < img.height(); y += 7)
            for (int x = 0; x < img.width(); x += 7)
                QCOMPARE(pixel(img, x, y), QColor(Qt::white));
    }

    void twoLineCaptions()
    {
        TH2Net table;
        table.resize(800, 300);
        fillAnalysisHeader(table.model(), 20);
        table.Resize();
        save(table, QStringLiteral("h2net_two_line_captions"));
        const H2NetModel &m = table.model();
        // "平均\r\n值" covers both header rows: no grid line between them.
        TRect rect;
        QVERIFY(m.MergeRect(m.Merges()[4], rect));
        QCOMPARE(rect, (TRect{m.ColLeft(9), 1, m.ColLeft(9) + 32, 42}));
        const QImage img = viewportImage(table);
        QCOMPARE(pixel(img, rect.left + 1, 21), kFix);
        // The two lines of the caption: ink above and below the middle of the block.
        const auto inkIn = [&](int top, int bottom) {
            for (int y = top; y < bottom; ++y)
                for (int x = rect.left; x < rect.right; ++x)
                    if (pixel(img, x, y).lightness() < 100)
                        return true;
            return false;
        };
        QVERIFY(inkIn(rect.top, 21));
        QVERIFY(inkIn(21, rect.bottom));
    }

    void scrollBarRequests()
    {
        TH2Net table;
        table.resize(800, 420);
        fillRedTrend(table.model(), sampleDraws(5000));
        table.Resize();
        const H2NetModel &m = table.model();
        QScrollBar *bar = table.verticalScrollBar();
        const int page = m.VisibleRows();
        QVERIFY(page > 0);
        QCOMPARE(bar->maximum(), 5001 - page);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(m.TopRow(), page);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(m.TopRow(), page + 1);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(m.TopRow(), page - 1);
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(m.TopRow(), 0);
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(m.TopRow(), 5001 - page);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(m.TopRow(), 5001 - page);
        bar->setSliderPosition(1234);
        QCOMPARE(m.TopRow(), 1234);
        save(table, QStringLiteral("h2net_5000_rows_at_1234"));
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(m.TopRow(), 0);

        // A refill (another "查询") shows its first row, the newest draw, again.
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        fillRedTrend(table.model(), sampleDraws(40));
        table.Resize();
        QCOMPARE(m.TopRow(), 0);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(bar->maximum(), 41 - page);
    }

    void setModelTakesOverATableFilledElsewhere()
    {
        TH2Net table;
        table.resize(800, 420);
        H2NetModel filled;
        fillRedTrend(filled, sampleDraws(100));
        table.setModel(filled);
        QCOMPARE(table.model().RowCount(), 103);
        QCOMPARE(table.model().GetValue(2, 0), issueText(0));
        QCOMPARE(table.verticalScrollBar()->maximum(), table.model().ScrollMax());
        QVERIFY(table.model().ScrollMax() > 0);
        // Its messages go to the control's message box, not to the reporter of the copy.
        QVERIFY(table.model().Reporter() != nullptr);
        QCOMPARE(filled.Reporter(), nullptr);
    }

    void manyRowsScrollAsFastAsFew()
    {
        const auto timeScrolling = [](int draws) {
            TH2Net table;
            table.resize(800, 600);
            fillRedTrend(table.model(), sampleDraws(draws));
            table.Resize();
            QScrollBar *bar = table.verticalScrollBar();
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < 30; ++i) {
                bar->triggerAction(i % 2 ? QAbstractSlider::SliderSingleStepSub
                                         : QAbstractSlider::SliderSingleStepAdd);
                table.viewport()->grab();
            }
            return timer.elapsed();
        };
        const qint64 few = timeScrolling(30);
        const qint64 many = timeScrolling(5000);
        qInfo() << "30 repaints: 30 rows" << few << "ms, 5000 rows" << many << "ms";
        QVERIFY2(many < 3 * few + 200, "painting depends on the number of rows");
    }

    void rangeMessageIsShownToTheUser()
    {
        TH2Net table;
        table.resize(300, 200);
        table.model().SetTableSize(3, 2, 1, {20, 20, 20});
        table.show();
        MessageCatcher catcher;
        table.model().SetValue(0, 3, QStringLiteral("x"));
        QCOMPARE(catcher.texts, QStringList{"SetValue x>=FColsCount "});
        QCOMPARE(table.model().GetValue(1, 0), QString());

        TG2Net chart;
        chart.model().SetData(3, 2);
        chart.model().SetValue(3, 1, QStringLiteral("1"));
        QCOMPARE(catcher.texts.last(), QStringLiteral("SetValue x>=FDynColCount "));
    }

    void barChartEdgeCases()
    {
        // Band height 10, five bands, 0.25 units per pixel: axis 0 2 5 8 10 12.
        TG2Net chart;
        G2NetModel &m = chart.model();
        m.SetData(8, 2, {RgbColor(0, 0, 255), RgbColor(255, 98, 84)});
        const QStringList values = {"0", "1", "2", "3", "7", "12", "5"};
        for (int x = 1; x <= 7; ++x) {
            m.SetValue(x, 0, QString::number(x));
            m.SetValue(x, 1, values[x - 1]);
        }
        m.FBarWidth = 12;
        m.FBarGap = 5;
        m.FBandHeight = 10;
        m.FBandCount = 5;
        m.FScale = 0.25f;
        m.FTitle = QStringLiteral("边界情况");
        chart.Resize();
        QCOMPARE(chart.size(), m.ControlSize());
        save(chart, QStringLiteral("g2net_edge_cases"));
        const QImage img = chart.grab().toImage();
        const QColor barColor(255, 98, 84);
        // The bar of 7 is 28 pixels high: filled inside, not above.
        const TRect seven = m.ScaledBar(5, 1);
        QCOMPARE(seven.height(), 28);
        QCOMPARE(seven.left, 22 * 4 + 47);
        QCOMPARE(pixel(img, seven.left + 5, seven.bottom - 5), barColor);
        QCOMPARE(pixel(img, seven.left + 5, seven.top + 1), barColor);
        QVERIFY(pixel(img, seven.left + 5, seven.top - 1) != barColor);
        // The bar of 0 is flat: no fill anywhere above the axis.
        const TRect zero = m.ScaledBar(1, 1);
        QCOMPARE(zero.height(), 0);
        for (int y = m.PlotRect().top; y < m.PlotRect().bottom; ++y)
            QVERIFY(pixel(img, zero.left + 5, y) != barColor);
    }

    void barChartWithScaleZero()
    {
        TG2Net chart;
        fillStatistics(chart.model(), std::vector<int>(16, 0), 20, 10, 6, RgbColor(0, 0, 255));
        chart.Resize();
        QCOMPARE(chart.model().FScale, 0.0f);
        save(chart, QStringLiteral("g2net_all_zero"));
        const QImage img = chart.grab().toImage();
        const TRect &plot = chart.model().PlotRect();
        for (int y = plot.top + 1; y < plot.bottom - 1; y += 3)
            for (int x = plot.left + 1; x < plot.right - 1; x += 3)
                QVERIFY(pixel(img, x, y) != QColor(0, 0, 255));
    }

    void redAndBlueStatistics()
    {
        std::vector<int> red(33);
        for (int n = 0; n < 33; ++n)
            red[std::size_t(n)] = (n * 7 + 3) % 26;
        red[10] = 25;
        red[20] = 0;
        TG2Net redChart;
        fillStatistics(redChart.model(), red, 12, 5, 10, RgbColor(255, 98, 84));
        redChart.Resize();
        QCOMPARE(redChart.model().FScale, 0.125f);
        QCOMPARE(redChart.size(), QSize(796, 260));
        save(redChart, QStringLiteral("g2net_red_statistics"));
        // The largest count reaches the plot's top line exactly.
        const TRect top = redChart.model().ScaledBar(11, 1);
        QCOMPARE(top.top, redChart.model().PlotRect().top + 1);

        std::vector<int> blue(16);
        for (int b = 0; b < 16; ++b)
            blue[std::size_t(b)] = (b * 5 + 1) % 13;
        TG2Net blueChart;
        fillStatistics(blueChart.model(), blue, 20, 10, 6, RgbColor(0, 0, 255));
        blueChart.Resize();
        QCOMPARE(blueChart.size(), QSize(720, 180));
        save(blueChart, QStringLiteral("g2net_blue_statistics"));
    }

    void titledTableSizesItselfToItsGrid()
    {
        TB0Net table;
        QCOMPARE(table.size(), QSize(400, 300));
        table.setGeometry(10, 0, 200, 200);
        fillDrawTable(table, Natural, {1, 8, 15, 22, 29, 33}, 7);
        QCOMPARE(table.size(), QSize(152, 181));
        QCOMPARE(table.pos(), QPoint(10, 0));
        save(table, QStringLiteral("b0net_empty_rows"));
        const QImage img = table.grab().toImage();
        const QColor gridBlue(0, 0, 255);
        QCOMPARE(pixel(img, 5, 29), gridBlue);   // line under the title band
        QCOMPARE(pixel(img, 0, 100), gridBlue);  // left edge
        QCOMPARE(pixel(img, 150, 100), gridBlue); // right edge
        QCOMPARE(pixel(img, 100, 179), gridBlue); // bottom edge
        QCOMPARE(pixel(img, 0, 10), table.palette().color(QPalette::Window)); // no lines in the title
        const B0NetModel &m = table.model();
        const auto corner = [&](int c, int r) {
            const TRect rect = m.RectOfCell(r, c, false);
            return pixel(img, rect.left, rect.top);
        };
        QCOMPARE(corner(0, 0), QColor(255, 0, 0));       // 1
        QCOMPARE(corner(2, 5), QColor(255, 0, 0));       // 33
        QCOMPARE(corner(5, 0), QColor(169, 169, 168));   // column 5 holds no red
        QCOMPARE(corner(1, 0), QColor(255, 255, 255));
        // Bounds given to the shown table lay it out again, to the same size.
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.setGeometry(10, 0, 200, 200);
        QCOMPARE(table.size(), QSize(152, 181));
    }

    void gannTable()
    {
        TB0Net table;
        table.setGeometry(0, 0, 200, 200);
        fillDrawTable(table, Gann, {3, 4, 5, 12, 18, 29}, 1);
        QCOMPARE(table.size(), QSize(152, 181));
        save(table, QStringLiteral("b0net_gann"));
    }

    void untitledTableStaysAtItsSize()
    {
        QWidget box;
        box.resize(400, 400);
        TB0Net table(&box);
        table.setGeometry(0, 0, 200, 200);
        table.model().FTitle.clear();
        table.model().SetTableSize(6, 6, std::vector<int>(6, 24));
        for (int n = 0; n < 33; ++n)
            table.model().SetText(n % 6, n / 6, QString::number(n + 1));
        table.Resize();
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(table.size(), QSize(152, 151));
        QCOMPARE(table.model().VisibleRows(), 6);
        save(table, QStringLiteral("b0net_untitled"));
    }

    void fourTablesInARow()
    {
        QWidget box;
        box.resize(810, 400);
        box.setAutoFillBackground(true);
        box.setPalette(QPalette(Qt::white));
        std::vector<std::unique_ptr<TB0Net>> tables;
        const auto draws = sampleDraws(8);
        for (int i = 0; i < 8; ++i) {
            auto table = std::make_unique<TB0Net>(&box);
            table->setGeometry((i % 4) * 200 + 10, (i / 4) * 200, 200, 200);
            const auto &d = draws[std::size_t(i)];
            fillDrawTable(*table, i % 2 ? Gann : Natural, {d[0], d[1], d[2], d[3], d[4], d[5]}, d[6]);
            tables.push_back(std::move(table));
        }
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        for (const auto &t : tables)
            QCOMPARE(t->size(), QSize(152, 181));
        save(box, QStringLiteral("b0net_scroll_box"));
    }
};

QTEST_MAIN(TestChartControls)
#include "tst_ChartControls.moc"
