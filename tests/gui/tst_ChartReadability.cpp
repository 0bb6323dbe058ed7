// The marks of "蓝球走势图" are large enough to see in their cells.
#include "charts/ChartBlue.h"
#include "charts/ChartMessageList.h"
#include "charts/ChartPainting.h"
#include "charts/H2Net.h"
#include "core/ChartTestHistory.h"

#include <QTest>

class TestChartReadability : public QObject
{
    Q_OBJECT

private slots:
    void blueTrendMarksAreVisible()
    {
        const TBeenCodesRecArr arr = charttest::patternHistory(30);
        TH2Net table;
        table.resize(900, 300);
        ChartMessageList messages;
        QVERIFY(FillBlueTrendChart(table.model(), arr, 30, &messages));
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
    }
};

QTEST_MAIN(TestChartReadability)
#include "tst_ChartReadability.moc"
