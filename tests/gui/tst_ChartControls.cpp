// Pixel checks of the chart controls, filled by the core's chart routines: the grid
// lines, the marked cells, the merged captions, the bars, the scrolling and the size of
// the blue trend's marks.
#include "app/AppResources.h"
#include "charts/B0Net.h"
#include "charts/ChartBlue.h"
#include "charts/ChartGrids.h"
#include "charts/ChartPainting.h"
#include "charts/ChartRedTrend.h"
#include "charts/G2Net.h"
#include "charts/H2Net.h"
#include "TestSupport.h"

#include <QScrollBar>
#include <QTest>

namespace {

const QColor kFix(228, 224, 243);
const QColor kRedMark(255, 134, 132);
const QColor kGrey(128, 128, 128);

QColor pixel(const QImage &image, int x, int y) { return image.pixelColor(x, y); }

// Draws 2010001.. with reds from a simple pattern, oldest first.
TBeenCodesRecArr PatternHistory(int count)
{
    TBeenCodesRecArr arr;
    for (int k = 0; k < count; ++k) {
        TCodeRedArr reds{};
        for (int p = 0; p < 6; ++p)
            reds[std::size_t(p)] = std::int8_t((k * 7 + p * 5) % 33 + 1);
        std::sort(reds.begin(), reds.end());
        arr.push_back(MakeDraw(2010001 + k, reds, k % 16 + 1));
    }
    return arr;
}

} // namespace

class TestChartControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppResources::installFontSubstitutes(); }

    void redTrendTable()
    {
        const TBeenCodesRecArr history = PatternHistory(30);
        TH2Net table;
        table.resize(800, 520);
        QVERIFY(FillRedTrendChart(table.model(), history, 30, nullptr));
        table.Resize();
        const H2NetModel &m = table.model();
        const QImage img = table.viewport()->grab().toImage();
        // Inside "红球分布" (row 0) the grid line between numbers 1 and 2 is covered...
        const int line = m.ColLeft(9) - 1;
        QCOMPARE(pixel(img, line, 3), kFix);
        // ...while in the row of the numbers below it stays.
        QCOMPARE(pixel(img, line, 24), QColor(Qt::black));
        // The newest draw's reds are marked in their number columns, framed by the grid.
        for (int red : history.back().Red) {
            const TRect mark = m.RectOfCell(2, 7 + red, true);
            QCOMPARE(pixel(img, mark.left, mark.top), kRedMark);
            QCOMPARE(pixel(img, mark.left - 1, mark.top), QColor(Qt::black));
        }
        // The row lines reach the right frame.
        QCOMPARE(pixel(img, m.GridRect().right, m.RowTop(3, false) - 1), QColor(Qt::black));
        // Scrolled to the end: the grey summary row in the last slot, the captions on top.
        table.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(m.TopRow(), m.ScrollMax());
        const QImage bottom = table.viewport()->grab().toImage();
        QCOMPARE(pixel(bottom, 2, m.RowTop(m.FixRowCount() + m.VisibleRows() - 1, false) + 1), kGrey);
        QCOMPARE(pixel(bottom, line, 3), kFix);
    }

    void scrollBarRequests()
    {
        TH2Net table;
        table.resize(800, 420);
        QVERIFY(FillRedTrendChart(table.model(), PatternHistory(5000), 5000, nullptr));
        table.Resize();
        const H2NetModel &m = table.model();
        QScrollBar *bar = table.verticalScrollBar();
        const int page = m.VisibleRows();
        QCOMPARE(bar->maximum(), 5001 - page);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(m.TopRow(), page);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(m.TopRow(), page - 1);
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(m.TopRow(), 5001 - page);
        // A refill (another "查询") shows its first row, the newest draw, again.
        QVERIFY(FillRedTrendChart(table.model(), PatternHistory(40), 40, nullptr));
        table.Resize();
        QCOMPARE(m.TopRow(), 0);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(bar->maximum(), 41 - page);
    }

    void barChart()
    {
        const TBeenCodesRecArr history = PatternHistory(90);
        TG2Net chart;
        QVERIFY(FillRedStatChart(chart.model(), history, 90, nullptr));
        chart.Resize();
        const G2NetModel &m = chart.model();
        QCOMPARE(chart.size(), m.ControlSize());
        const QImage img = chart.grab().toImage();
        const QColor barColor(255, 98, 84);
        for (int x = 1; x <= 33; ++x) {
            const TRect bar = m.ScaledBar(x, 1);
            if (bar.height() < 3)
                continue;
            QCOMPARE(pixel(img, bar.left + 2, bar.bottom - 2), barColor);
            QCOMPARE(pixel(img, bar.left + 2, bar.top + 1), barColor);
            QVERIFY(pixel(img, bar.left + 2, bar.top - 1) != barColor);
        }
        // The largest count reaches the plot's top line.
        int best = 1;
        for (int x = 1; x <= 33; ++x)
            if (m.GetValue(x, 1).toInt() > m.GetValue(best, 1).toInt())
                best = x;
        QCOMPARE(m.ScaledBar(best, 1).top, m.PlotRect().top + 1);
    }

    // A per-draw table: marked cells red, rows and columns without a red grey, the
    // grid lines blue, sized to its grid.
    void drawTable()
    {
        TB0Net table;
        table.setGeometry(10, 0, 200, 200);
        FillEmptyRowColTable(table.model(), MakeDraw(2005001, {1, 8, 15, 22, 29, 33}, 7));
        table.Resize();
        const QImage img = table.grab().toImage();
        const QColor gridBlue(0, 0, 255);
        QCOMPARE(pixel(img, 5, 29), gridBlue);    // under the title band
        QCOMPARE(pixel(img, 150, 100), gridBlue); // right edge
        QCOMPARE(pixel(img, 100, 179), gridBlue); // bottom edge
        const B0NetModel &m = table.model();
        const auto corner = [&](int c, int r) {
            const TRect rect = m.RectOfCell(r, c, false);
            return pixel(img, rect.left, rect.top);
        };
        QCOMPARE(corner(0, 0), QColor(255, 0, 0));       // 1
        QCOMPARE(corner(2, 5), QColor(255, 0, 0));       // 33
        QCOMPARE(corner(5, 0), QColor(169, 169, 168));   // column 5 holds no red
        QCOMPARE(corner(1, 0), QColor(255, 255, 255));
    }
    // Each mark of "蓝球走势图" spans at least 12 of its cell's columns in dark pixels
    // (the glyph alone: 8), large enough to see.
    void blueTrendMarksAreVisible()
    {
        TH2Net table;
        table.resize(900, 300);
        QVERIFY(FillBlueTrendChart(table.model(), PatternHistory(30), 30, nullptr));
        table.Resize();
        table.show();
        const QImage image = table.viewport()->grab().toImage();
        int marks = 0;
        for (int c = 20; c <= 28; ++c) {
            if (table.model().CellText(2, c) != kMarkTriangle)
                continue;
            const TRect cell = table.model().RectOfCell(2, c, true);
            int left = cell.right, right = cell.left;
            for (int y = cell.top; y < cell.bottom; ++y)
                for (int x = cell.left; x < cell.right; ++x)
                    if (qGray(image.pixel(x, y)) < 60)
                        left = std::min(left, x), right = std::max(right, x);
            QVERIFY2(right - left + 1 >= 12, qPrintable(QStringLiteral("column %1").arg(c)));
            ++marks;
        }
        QCOMPARE(marks, 3);
    }
};

QTEST_MAIN(TestChartControls)
#include "tst_ChartControls.moc"
