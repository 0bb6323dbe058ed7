// Merging the sources' draws into the history: what is added, what is only reported.
#include "update/HistoryMerge.h"
#include "update/SourceReader.h"

#include <QTest>

namespace {
// Draw lines "issue r r r r r r b" into a reading of the table form.
SourceReading reading(const QString &title, const QByteArray &lines)
{
    return {title, ReadSourceAnswer(UpdateSource::DrawTable, lines).draws};
}

const QByteArray kHistory = "2026094 01 02 03 04 05 06 07\n2026095 02 09 15 18 25 33 07\n";
const QByteArray k096 = "2026096 03 07 12 19 27 31 09\n";
const QByteArray k097 = "2026097 01 05 12 19 27 33 16\n";
const QByteArray k098 = "2026098 04 08 16 20 22 30 01\n";
} // namespace

class TestHistoryMerge : public QObject
{
    Q_OBJECT
private slots:
    void merge_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");    // empty: one source only
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("reported");     // conflicts | gaps | disagreements, "" for none
        QTest::newRow("new draws") << k096 + k097 << QByteArray() << "2026096 2026097" << "";
        QTest::newRow("older draws only") << kHistory << QByteArray() << "" << "";
        QTest::newRow("sources agree") << kHistory + k096 << k096 + k097 << "2026096 2026097" << "";
        QTest::newRow("the second adds what the first lacks") << k096 << k096 + k097 << "2026096 2026097" << "";
        QTest::newRow("history differs: listed, kept")
            << QByteArray("2026095 02 09 15 18 25 33 08\n") + k096 << QByteArray() << "2026096"
            << "第2026095期：历史数据为02 09 15 18 25 33+07，A为02 09 15 18 25 33+08（历史数据未改动）";
        QTest::newRow("sources disagree on a new draw: it and the later ones wait")
            << k096 + k097 + k098 << k096 + QByteArray(k097).replace(" 16", " 15") + k098 << "2026096"
            << "第2026097期两个来源不一致：A为01 05 12 19 27 33+16，B为01 05 12 19 27 33+15，该期及其后各期未加入"
               "|未加入1期（2026098）";
        QTest::newRow("sources disagree on an old draw")
            << QByteArray("2026094 01 02 03 04 05 06 08\n") << QByteArray("2026094 01 02 03 04 05 06 09\n") << ""
            << "第2026094期两个来源不一致：A为01 02 03 04 05 06+08，B为01 02 03 04 05 06+09";
        QTest::newRow("gap within the year")
            << k096 + k098 << QByteArray() << "2026096" << "缺少第2026097期，其后各期未加入|未加入1期（2026098）";
        QTest::newRow("gap right after the history")
            << k097 + k098 << QByteArray() << "" << "缺少第2026096期，其后各期未加入|未加入2期（2026097–2026098）";
        QTest::newRow("a new year starts at 001") << QByteArray("2027001 01 02 03 04 05 06 07\n") << QByteArray()
                                                  << "2027001" << "";
        QTest::newRow("a new year that does not") << QByteArray("2027003 01 02 03 04 05 06 07\n") << QByteArray()
                                                  << "" << "缺少第2027001–2027002期，其后各期未加入|未加入1期（2027003）";
        QTest::newRow("missing inside the history")
            << QByteArray("2026093 01 02 03 04 05 06 07\n") << QByteArray() << "" << "";
    }
    void merge()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QString, added);
        QFETCH(QString, reported);
        TBeenCodesRecArr history;
        QStringList messages;
        QVERIFY(ParseHistoryQuietly(QString::fromLatin1(kHistory).split(u'\n', Qt::SkipEmptyParts), history, messages));
        QList<SourceReading> readings{reading(QStringLiteral("A"), first)};
        if (!second.isEmpty())
            readings << reading(QStringLiteral("B"), second);
        const MergeResult r = MergeIntoHistory(history, readings);
        QStringList got;
        for (const SourceDraw &d : r.added)
            got << d.draw.issueText();
        QCOMPARE(got.join(u' '), added);
        QCOMPARE((r.conflicts + r.gaps + r.disagreements).join(u'|'), reported);
    }

    void emptyHistoryTakesEverything()
    {
        const MergeResult r = MergeIntoHistory({}, {reading(QStringLiteral("A"), kHistory + k096)});
        QCOMPARE(r.added.size(), 3);
        QCOMPARE(AppendDraws(QString(), r.added.mid(2)), QStringLiteral("2026096 03 07 12 19 27 31 09\n"));
        QCOMPARE(AppendDraws(QStringLiteral("x"), r.added.mid(2)), QStringLiteral("x\n2026096 03 07 12 19 27 31 09\n"));
    }

    void datesOfAgreeingDraws()
    {
        TBeenCodesRecArr history{{2026, 95, {2, 9, 15, 18, 25, 33}, 7}};
        const MergeResult r = MergeIntoHistory(
            history, {reading(QStringLiteral("A"), "2026095 2026-08-16 02 09 15 18 25 33 07\n2026096 2026-08-18 03 07 12 19 27 31 09\n")});
        QCOMPARE(r.dates, (QMap<int, QString>{{2026095, "2026-08-16"}, {2026096, "2026-08-18"}}));
    }
};

QTEST_GUILESS_MAIN(TestHistoryMerge)
#include "tst_HistoryMerge.moc"
