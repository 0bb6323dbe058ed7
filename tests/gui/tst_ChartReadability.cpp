// What the chart tables put on screen can be read: marks large enough to see, texts that
// stay inside their columns, and a refilled table showing its newest row.
#include "app/AppResources.h"
#include "charts/ChartAnalysis.h"
#include "charts/ChartBlue.h"
#include "charts/ChartMessageList.h"
#include "charts/ChartPainting.h"
#include "charts/H2Net.h"
#include "history/HistoryParser.h"

#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QScrollBar>
#include <QTest>

class TestChartReadability : public QObject
{
    Q_OBJECT

    TBeenCodesRecArr m_arr;

    static void render(QWidget *w, const QString &name)
    {
        QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
        w->grab().save(QStringLiteral(SSQ_RENDER_DIR "/") + name + QStringLiteral(".png"));
    }

private slots:
    void initTestCase()
    {
        // As the program does at start-up: "宋体" falls back to an installed Chinese font.
        AppResources::installFontSubstitutes();
        QFile file(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        Collector messages;
        QVERIFY(DataTxtToCodeArr(HistoryTextLines(file.readAll()), m_arr, messages));
    }

    // The ▲ of "蓝球走势图" fills a good part of its cell (the glyph alone is some 8 px).
    void blueTrendMarksAreVisible()
    {
        TH2Net table;
        table.resize(900, 300);
        ChartMessageList messages;
        QVERIFY(FillBlueTrendChart(table.model(), m_arr, 30, &messages));
        table.Resize();
        table.show();
        const QImage image = table.viewport()->grab().toImage();
        render(&table, QStringLiteral("blue-trend-marks"));
        int checked = 0;
        for (int c = 20; c <= 28; ++c) {
            const TRect cell = table.model().RectOfCell(2, c, true);
            if (table.model().CellText(2, c) != kMarkTriangle)
                continue;
            const QColor band = image.pixelColor(cell.left + 1, cell.top + 1);
            int left = cell.right;
            int right = cell.left;
            for (int y = cell.top; y < cell.bottom; ++y)
                for (int x = cell.left; x < cell.right; ++x)
                    if (qGray(image.pixel(x, y)) < qGray(band.rgb()) - 60) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            QVERIFY2(right - left + 1 >= 12, qPrintable(QStringLiteral("column %1: the mark is %2 px wide")
                                                            .arg(c).arg(right - left + 1)));
            ++checked;
        }
        QCOMPARE(checked, 3);
    }

    // Over the whole history the totals of "统计分析表" stay inside their columns in the
    // font the table really draws with.
    void analysisTotalsStayInTheirColumns()
    {
        TH2Net table;
        ChartMessageList messages;
        QVERIFY(FillAnalysisTable(table.model(), m_arr, int(m_arr.size()), &messages));
        const H2NetModel &m = table.model();
        const QFontMetrics metrics(ChartTextFont(table.font(), m.FFontSize, true));
        const int totals = m.RowCount() - 1;
        for (int c = 0; c < m.ColsCount(); ++c)
            QVERIFY2(metrics.horizontalAdvance(m.CellText(totals, c)) <= m.ColWidths()[std::size_t(c)],
                     qPrintable(QStringLiteral("column %1: %2").arg(c).arg(m.CellText(totals, c))));
        table.resize(1000, 200);
        table.Resize();
        table.show();
        QVERIFY(table.verticalScrollBar()->maximum() > 0);
        table.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(table.model().TopRow(), table.verticalScrollBar()->maximum());
        render(&table, QStringLiteral("analysis-totals-whole-history"));

        // "查询" again: the scroll bar and the rows start at the newest draw.
        QVERIFY(FillAnalysisTable(table.model(), m_arr, 100, &messages));
        table.Resize();
        QCOMPARE(table.verticalScrollBar()->value(), 0);
        QCOMPARE(table.model().TopRow(), 0);
    }
};

QTEST_MAIN(TestChartReadability)
#include "tst_ChartReadability.moc"
