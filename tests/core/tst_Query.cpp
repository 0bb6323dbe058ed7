#include "app/Query.h"

#include <QTest>

namespace {

DrawRecord draw(int year, int no, TCodeRedArr reds, int blue)
{
    DrawRecord d;
    d.Year = year;
    d.No = no;
    d.Red = reds;
    d.Blue = blue;
    return d;
}


} // namespace

class TestQuery : public QObject
{
    Q_OBJECT
private slots:
    void lineFormat()
    {
        QCOMPARE(QueryLine(draw(2005, 13, {2, 9, 15, 18, 25, 33}, 7)),
                 QStringLiteral("第2005013期,开奖号:02 09 15 18 25 33 07"));
        // Reds keep the order in which the draw was written.
        QCOMPARE(QueryLine(draw(2026, 95, {33, 4, 6, 14, 21, 22}, 16)),
                 QStringLiteral("第2026095期,开奖号:33 04 06 14 21 22 16"));
    }

};

QTEST_GUILESS_MAIN(TestQuery)
#include "tst_Query.moc"
