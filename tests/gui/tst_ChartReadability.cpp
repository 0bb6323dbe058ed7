// The marks of "蓝球走势图" are large enough to see, and a refilled table shows its newest row.
#include "charts/ChartBlue.h"
#include "charts/ChartMessageList.h"
#include "charts/ChartPainting.h"
#include "charts/H2Net.h"

#include <QScrollBar>
#include <QTest>

class TestChartReadability : public QObject
{
    Q_OBJECT

    // Blue numbers 1..16 over and over, oldest first.
    static TBeenCodesRecArr history(int count)
    {
        TBeenCodesRecArr arr(std::size_t(count), DrawRecord{});
        for (int k = 0; k < count; ++k) {
            arr[std::size_t(k)].Year = 2010;
            arr[std::size_t(k)].No = k + 1;
            arr[std::size_t(k)].Red = {1, 2, 3, 4, 5, 6};
            arr[std::size_t(k)].Blue = k % 16 + 1;
        }
        return arr;
    }

private slots:
    void blueTrendMarksAndScroll()
    {
        const TBeenCodesRecArr arr = history(200);
        TH2Net table;
        table.resize(900, 300);
        ChartMessageList messages;
        QVERIFY(FillBlueTrendChart(table.model(), arr, 200, &messages));
        table.Resize();
        table.show();
        // Each mark's dark pixels span at least 12 of its cell's columns (the glyph: 8).
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

        // "查询" again after scrolling down: the view is back at the newest draw.
        table.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        QVERIFY(table.model().TopRow() > 0);
        QVERIFY(FillBlueTrendChart(table.model(), arr, 100, &messages));
        table.Resize();
        QCOMPARE(table.verticalScrollBar()->value(), 0);
    }
};

QTEST_MAIN(TestChartReadability)
#include "tst_ChartReadability.moc"
