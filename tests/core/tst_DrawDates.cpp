// The side file of draw dates and the newest draw as the offline page and the about box
// show it.
#include "app/OfflinePage.h"
#include "update/DrawDates.h"

#include <QTest>

class TestDrawDates : public QObject
{
    Q_OBJECT
private slots:
    void datesAndNewestDraw()
    {
        DrawDates dates = DrawDates::Parse("2026095 2026-08-16\r\nrubbish\r\n2026096 2026-08-18\r\n");
        dates.add({{2026097, "2026-08-20"}});
        QCOMPARE(DrawDates::Parse(dates.bytes()).bytes(),
                 QByteArray("2026095 2026-08-16\r\n2026096 2026-08-18\r\n2026097 2026-08-20\r\n"));
        const TBeenCodesRecArr history{{2026, 96, {1, 2, 3, 4, 5, 6}, 7}};
        QCOMPARE(NewestDrawText(history, dates), QStringLiteral("第2026096期（2026-08-18）"));
        QCOMPARE(NewestDrawText(history, {}), QStringLiteral("第2026096期"));
        QCOMPARE(NewestDrawText({}, dates), QString());
        QVERIFY(OfflinePageHtml(history, dates).contains(QStringLiteral("（开奖日期 2026-08-18）")));
        QCOMPARE(DrawDatesFileFor(QStringLiteral("/d/ssq.dxt")), QStringLiteral("/d/ssq-dates.txt"));
    }
};

QTEST_GUILESS_MAIN(TestDrawDates)
#include "tst_DrawDates.moc"
