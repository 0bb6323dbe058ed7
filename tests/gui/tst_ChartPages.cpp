#include "app/MsgBox.h"
#include "app/SmForm.h"
#include "charts/B0Net.h"
#include "charts/ChartPages.h"
#include "charts/DrawTablesBox.h"
#include "charts/G2Net.h"
#include "charts/H2Net.h"
#include "history/HistoryParser.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

TBeenCodesRecArr loadShipped()
{
    QFile file(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open the shipped history");
    Collector messages;
    TBeenCodesRecArr arr;
    if (!DataTxtToCodeArr(HistoryTextLines(file.readAll()), arr, messages))
        qFatal("the shipped history does not parse");
    return arr;
}

const QString kTooMany = QStringLiteral("设置的查询期数超过总期数!!");

} // namespace

class TestChartPages : public QObject
{
    Q_OBJECT

    TBeenCodesRecArr m_codeArr;
    QTabWidget *m_gridPctl = nullptr;
    TChartPages *m_pages = nullptr;
    QStringList m_messages;

    void showPage(int page)
    {
        m_gridPctl->setCurrentIndex(page);
        QApplication::processEvents();
    }

    void render(const QString &name)
    {
        QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
        const QImage image = m_gridPctl->grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(image.save(QStringLiteral(SSQ_RENDER_DIR "/%1.png").arg(name)));
    }

private slots:
    void initTestCase()
    {
        m_codeArr = loadShipped();
        QVERIFY(m_codeArr.size() > 3000);
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_messages.append(text); });
    }

    void init()
    {
        m_messages.clear();
        m_gridPctl = new QTabWidget;
        m_gridPctl->resize(1000, 700);
        m_pages = BuildChartPages(m_gridPctl, &m_codeArr);
        m_gridPctl->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_gridPctl));
    }

    void cleanup()
    {
        delete m_gridPctl;
        m_gridPctl = nullptr;
        m_pages = nullptr;
    }

    void thirteenPagesStartingWithZones()
    {
        QCOMPARE(m_gridPctl->count(), 13);
        QCOMPARE(m_gridPctl->tabText(0), QStringLiteral("红球走势图"));
        QCOMPARE(m_gridPctl->tabText(12), QStringLiteral("统计分析表"));
        QCOMPARE(m_gridPctl->currentIndex(), 1);
        // Shown with the page control, the zone chart is computed at once.
        QCOMPARE(m_pages->Table(PageZone)->model().DynRows(), 31);
        QCOMPARE(m_pages->Table(PageRedTrend)->model().DynRows(), 0);
    }

    void queryStrips()
    {
        for (int page = 0; page < ChartPageCount; ++page) {
            QCOMPARE(m_pages->CountSe(page)->value(), 30);
            QCOMPARE(m_pages->GoBt(page)->text(), QStringLiteral("查询"));
            QCOMPARE(m_pages->GoBt(page)->geometry().left(), page == PageRotation ? 330 : page <= 3 ? 218 : 226);
        }
        QCOMPARE(m_pages->ExTabSheet8StartSe()->minimum(), 1);
        QCOMPARE(m_pages->ExTabSheet8StartSe()->maximum(), 33);
        QCOMPARE(m_pages->ExTabSheet13SmBt()->text(), QStringLiteral("说明"));
    }

    void renderEveryPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("count");
        for (int page = 0; page < ChartPageCount; ++page) {
            QTest::addRow("page%02d_30", page) << page << 30;
            QTest::addRow("page%02d_all", page) << page << -1;
        }
    }
    void renderEveryPage()
    {
        QFETCH(int, page);
        QFETCH(int, count);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        if (count < 0)
            count = int(m_codeArr.size());
        m_pages->CountSe(page)->setValue(count);
        if (page == PageRotation)
            m_pages->ExTabSheet8StartSe()->setValue(30);
        QElapsedTimer timer;
        timer.start();
        showPage(page);
        QApplication::processEvents();
        const qint64 elapsed = timer.elapsed();
        qInfo("%s: computed and shown in %lld ms", qPrintable(name), elapsed);
        QVERIFY(m_messages.isEmpty());
        render(QStringLiteral("chart_%1").arg(name));
        // Scroll to the end where there is a scroll bar, and render again.
        if (TH2Net *table = m_pages->Table(page)) {
            table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
            render(QStringLiteral("chart_%1_end").arg(name));
        } else if (TDrawTablesBox *box = m_pages->DrawTables(page)) {
            box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
            QApplication::processEvents();
            render(QStringLiteral("chart_%1_end").arg(name));
        }
    }

    void showRecomputesAndSpinWaits()
    {
        showPage(PageRedTrend);
        QCOMPARE(m_pages->Table(PageRedTrend)->model().DynRows(), 31);
        m_pages->CountSe(PageRedTrend)->setValue(5);
        QCOMPARE(m_pages->Table(PageRedTrend)->model().DynRows(), 31);
        showPage(PageTail);
        showPage(PageRedTrend);
        QCOMPARE(m_pages->Table(PageRedTrend)->model().DynRows(), 6);
        m_pages->CountSe(PageRedTrend)->setValue(7);
        QTest::mouseClick(m_pages->GoBt(PageRedTrend), Qt::LeftButton);
        QCOMPARE(m_pages->Table(PageRedTrend)->model().DynRows(), 8);
    }

    void tooManyKeepsTheChart_data()
    {
        QTest::addColumn<int>("page");
        for (int page = 0; page < ChartPageCount; ++page)
            QTest::addRow("page%02d", page) << page;
    }
    void tooManyKeepsTheChart()
    {
        QFETCH(int, page);
        showPage(page);
        QVERIFY(m_messages.isEmpty());
        m_pages->CountSe(page)->setValue(int(m_codeArr.size()) + 1);
        QTest::mouseClick(m_pages->GoBt(page), Qt::LeftButton);
        QCOMPARE(m_messages, QStringList{kTooMany});
        if (TH2Net *table = m_pages->Table(page))
            QCOMPARE(table->model().DynRows(), 31);
        if (TG2Net *chart = m_pages->BarChart(page))
            QCOMPARE(chart->model().DynColCount(), page == PageRedStat ? 33 : 16);
        if (TDrawTablesBox *box = m_pages->DrawTables(page))
            QCOMPARE(box->DrawCount(), 0); // the per-draw pages are left empty
        if (page == PageOmission)
            QCOMPARE(m_pages->RedOmissionTable()->model().RowsCount(), 34);
    }

    // The per-draw pages over the whole history: only the tables in view exist.
    void drawTablesStayFewAndFast_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("empty rows and columns") << int(PageEmptyRowCol);
        QTest::newRow("gann") << int(PageGann);
    }
    void drawTablesStayFewAndFast()
    {
        QFETCH(int, page);
        const int all = int(m_codeArr.size());
        m_pages->CountSe(page)->setValue(all);
        QElapsedTimer timer;
        timer.start();
        showPage(page);
        QVERIFY2(timer.elapsed() < 1000, "the page takes too long to open");
        TDrawTablesBox *box = m_pages->DrawTables(page);
        QCOMPARE(box->DrawCount(), all);
        QVERIFY(box->ControlCount() > 0);
        QVERIFY(box->ControlCount() < 60);
        TB0Net *newest = box->TableAt(0);
        QVERIFY(newest);
        QCOMPARE(newest->model().FTitle, m_codeArr.back().issueText() + QStringLiteral("期"));
        QCOMPARE(newest->pos(), QPoint(10, 0));
        QCOMPARE(newest->size(), QSize(152, 181));
        QCOMPARE(box->TableAt(5)->pos(), QPoint(210, 200));

        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        QApplication::processEvents();
        QVERIFY(box->ControlCount() < 60);
        TB0Net *oldest = box->TableAt(all - 1);
        QVERIFY(oldest);
        QCOMPARE(oldest->model().FTitle, m_codeArr.front().issueText() + QStringLiteral("期"));
        QVERIFY(!box->TableAt(0));

        // Back on top, the reused controls show the newest draws again.
        box->verticalScrollBar()->setValue(0);
        QApplication::processEvents();
        QCOMPARE(box->TableAt(0)->model().FTitle, m_codeArr.back().issueText() + QStringLiteral("期"));
        QCOMPARE(box->TableAt(1)->model().FTitle, m_codeArr[m_codeArr.size() - 2].issueText() + QStringLiteral("期"));
        QVERIFY(box->TableAt(1)->isVisible());
        QCOMPARE(box->TableAt(1)->pos(), QPoint(210, 0));
    }

    void omissionTablesPlaced()
    {
        showPage(PageOmission);
        TB0Net *red = m_pages->RedOmissionTable();
        TB0Net *blue = m_pages->BlueOmissionTable();
        QCOMPARE(red->model().FTitle, QStringLiteral("红球分析表"));
        QCOMPARE(blue->model().FTitle, QStringLiteral("蓝球分析表"));
        QCOMPARE(red->y(), 0);
        QCOMPARE(blue->y(), red->height() + 20);
        QCOMPARE(red->x(), std::max(0, (m_pages->OmissionBox()->viewport()->width() - 576) / 2));
        QCOMPARE(red->model().VisibleRows(), 34);
        QCOMPARE(blue->model().VisibleRows(), 17);
    }

    void explanationWindow()
    {
        auto *form = new TSmForm(m_gridPctl);
        m_pages->SetExplanationForm(form);
        showPage(PageAnalysis);
        QString caption;
        QStringList lines;
        QTimer::singleShot(0, form, [&] {
            caption = form->windowTitle();
            lines = form->Memo->toPlainText().split(QLatin1Char('\n'));
            form->reject();
        });
        QTest::mouseClick(m_pages->ExTabSheet13SmBt(), Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("统计分析表 图表说明"));
        QCOMPARE(lines.size(), 20);
        QCOMPARE(lines.first(), QStringLiteral("说明："));
        QCOMPARE(lines[18], QStringLiteral("重号个数：本期红球中出现上期红球的个数；    "));
    }
};

QTEST_MAIN(TestChartPages)
#include "tst_ChartPages.moc"
