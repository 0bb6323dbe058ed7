#include "app/OfflinePage.h"

#include <QTest>

class TestOfflinePage : public QObject
{
    Q_OBJECT
private slots:
    void namesProgramNewestDrawAndHelp()
    {
        DrawRecord older, newest;
        older.Year = 2005;
        older.No = 12;
        older.Red = {1, 2, 3, 4, 5, 6};
        older.Blue = 1;
        newest.Year = 2005;
        newest.No = 13;
        newest.Red = {2, 9, 15, 18, 25, 33};
        newest.Blue = 7;
        const QString html = OfflinePageHtml({older, newest});
        QVERIFY(html.contains(QStringLiteral("晨帆选号通")));
        QVERIFY(html.contains(QStringLiteral("发行版本:2005")));
        QVERIFY(html.contains(QStringLiteral("第2005013期,开奖号:02 09 15 18 25 33 07")));
        QVERIFY(!html.contains(QStringLiteral("2005012")));
        QVERIFY(html.contains(QStringLiteral("F1")));
        QVERIFY(html.contains(QStringLiteral("readme.txt")));
        QVERIFY(html.contains(QStringLiteral("http://www.mingchuan.example")));
    }

};

QTEST_GUILESS_MAIN(TestOfflinePage)
#include "tst_OfflinePage.moc"
