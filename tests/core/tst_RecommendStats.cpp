#include "code/SsqError.h"
#include "recommend/RecommendStats.h"

#include <QTest>

#include <algorithm>

namespace {

DrawRecord draw(int no, TCodeRedArr reds, int blue)
{
    DrawRecord d;
    d.Year = 2020;
    d.No = no;
    d.Red = reds;
    d.Blue = blue;
    return d;
}

// `count` draws of the same reds and blue.
TBeenCodesRecArr repeated(int count, TCodeRedArr reds, int blue)
{
    TBeenCodesRecArr history;
    for (int i = 0; i < count; ++i)
        history.push_back(draw(i + 1, reds, blue));
    return history;
}

QString shortMessage()
{
    return QString::fromUtf16(kHistoryTooShortMessage);
}

// Ranking as a list of numbers, positions 1..N.
template<std::size_t N>
QList<int> ranked(const std::array<std::uint8_t, N> &ranking)
{
    QList<int> numbers;
    for (std::size_t k = 1; k < N; ++k)
        numbers << ranking[k];
    return numbers;
}

QList<int> ascending(int from, int to)
{
    QList<int> numbers;
    for (int n = from; n <= to; ++n)
        numbers << n;
    return numbers;
}

} // namespace

class TestRecommendStats : public QObject
{
    Q_OBJECT

private slots:
    void redFreqCountsOnlyTheNewestDraws()
    {
        TBeenCodesRecArr history = repeated(3, {1, 2, 3, 4, 5, 6}, 1);
        history.insert(history.begin(), draw(0, {28, 29, 30, 31, 32, 33}, 16));
        TRedFreqArr freq;
        GetRedFreq(history, 3, freq);
        QCOMPARE(freq[1], 3);
        QCOMPARE(freq[6], 3);
        QCOMPARE(freq[7], 0);
        QCOMPARE(freq[33], 0);   // the oldest draw lies outside the window
        GetRedFreq(history, 4, freq);
        QCOMPARE(freq[33], 1);
    }

    void blueFreqCountsOnlyTheNewestDraws()
    {
        TBeenCodesRecArr history = repeated(10, {1, 2, 3, 4, 5, 6}, 7);
        history.insert(history.begin(), draw(0, {1, 2, 3, 4, 5, 6}, 16));
        TBlueFreqArr freq;
        GetBlueFreq(history, 10, freq);
        QCOMPARE(freq[7], 10);
        QCOMPARE(freq[16], 0);
    }

    void redDrawnTwiceInOneDrawCountsTwice()
    {
        const TBeenCodesRecArr history = repeated(20, {5, 5, 9, 10, 11, 12}, 1);
        TRedFreqArr freq;
        GetRedFreq(history, 20, freq);
        QCOMPARE(freq[5], 40);
        QCOMPARE(freq[9], 20);
    }

    void countsDoNotWrapAroundAByte()
    {
        // 6 x 26 = 156 does not fit a signed byte; it must still rank first.
        const TBeenCodesRecArr history = repeated(26, {33, 33, 33, 33, 33, 33}, 1);
        TRedFreqArr freq;
        GetRedFreq(history, 26, freq);
        QCOMPARE(freq[33], 156);
        TRedRankArr ranking;
        SortRedByFreq(freq, ranking);
        QCOMPARE(int(ranking[1]), 33);
    }

    void windowAgainstHistoryLength_data()
    {
        QTest::addColumn<int>("draws");
        QTest::addColumn<int>("window");
        QTest::addColumn<bool>("ok");
        QTest::newRow("20 of 20") << 20 << 20 << true;
        QTest::newRow("20 of 19") << 19 << 20 << false;
        QTest::newRow("26 of 26") << 26 << 26 << true;
        QTest::newRow("26 of 25") << 25 << 26 << false;
        QTest::newRow("10 of 9") << 9 << 10 << false;
        QTest::newRow("0 of 0") << 0 << 0 << true;
        QTest::newRow("1 of 0") << 0 << 1 << false;
    }

    void windowAgainstHistoryLength()
    {
        QFETCH(int, draws);
        QFETCH(int, window);
        QFETCH(bool, ok);
        const TBeenCodesRecArr history = repeated(draws, {1, 2, 3, 4, 5, 6}, 1);
        for (int which = 0; which < 2; ++which) {
            QString message;
            try {
                if (which == 0) {
                    TRedFreqArr freq;
                    GetRedFreq(history, window, freq);
                    QCOMPARE(freq[1], window);   // every draw of the window was used
                } else {
                    TBlueFreqArr freq;
                    GetBlueFreq(history, window, freq);
                    QCOMPARE(freq[1], window);
                }
            } catch (const SsqError &e) {
                message = e.text();
            }
            QCOMPARE(message, ok ? QString() : shortMessage());
        }
    }

    void redRanking_data()
    {
        QTest::addColumn<QList<int>>("counts");   // (number, count) pairs; others 0
        QTest::addColumn<QList<int>>("head");     // the first positions of the ranking

        QTest::newRow("all zero: ascending") << QList<int>{} << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("ties to the lower number")
            << QList<int>{20, 3, 7, 3, 2, 3, 30, 1} << QList<int>{2, 7, 20, 30, 1, 3};
        QTest::newRow("drawn before never drawn before -1")
            << QList<int>{1, -1, 2, -1, 33, 1} << QList<int>{33, 3, 4, 5};
        QTest::newRow("highest first") << QList<int>{9, 5, 8, 6, 1, 4} << QList<int>{8, 9, 1, 2};
    }

    void redRanking()
    {
        QFETCH(QList<int>, counts);
        QFETCH(QList<int>, head);
        TRedFreqArr freq{};
        for (qsizetype i = 0; i + 1 < counts.size(); i += 2)
            freq[static_cast<std::size_t>(counts[i])] = counts[i + 1];
        TRedRankArr ranking;
        SortRedByFreq(freq, ranking);
        const QList<int> numbers = ranked(ranking);
        QCOMPARE(numbers.mid(0, head.size()), head);
        QList<int> sorted = numbers;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, ascending(1, 33));   // every number exactly once
    }

    void marksRankLastInAscendingOrder()
    {
        // What the recommendations do: 1..17 by count, then 18..33 ascending.
        TRedFreqArr freq{};
        for (int n = 18; n <= 33; ++n)
            freq[static_cast<std::size_t>(n)] = kRankLast;
        freq[17] = 2;
        freq[4] = 2;
        freq[9] = 5;
        TRedRankArr ranking;
        SortRedByFreq(freq, ranking);
        QList<int> expected{9, 4, 17, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16};
        expected << ascending(18, 33);
        QCOMPARE(ranked(ranking), expected);
    }

    void sortLeavesTheTableAlone()
    {
        TRedFreqArr freq{};
        freq[3] = 4;
        const TRedFreqArr before = freq;
        TRedRankArr ranking;
        SortRedByFreq(freq, ranking);
        QVERIFY(freq == before);
    }

    void blueRanking()
    {
        TBlueFreqArr freq{};
        freq[1] = kRankLast;
        freq[2] = kRankLast;
        freq[3] = kRankLast;
        freq[16] = 2;
        freq[10] = 2;
        freq[5] = 1;
        TBlueRankArr ranking;
        SortBlueByFreq(freq, ranking);
        QCOMPARE(ranked(ranking),
                 (QList<int>{10, 16, 5, 4, 6, 7, 8, 9, 11, 12, 13, 14, 15, 1, 2, 3}));
    }

    void redPickToStr()
    {
        TRedRankArr ranking{};
        for (int k = 1; k <= 33; ++k)
            ranking[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(34 - k);
        ranking[4] = 7;
        ranking[9] = 21;
        ranking[14] = 3;
        ranking[19] = 19;
        TRedPickArr flags{};
        for (int k : {19, 4, 14, 9})
            flags[static_cast<std::size_t>(k)] = true;
        int count = -1;
        QString text = QStringLiteral("old");
        RedPickToStr(ranking, flags, count, QStringLiteral(","), text);
        QCOMPARE(count, 4);
        QCOMPARE(text, QStringLiteral("7,21,3,19"));

        RedPickToStr(ranking, flags, count, QStringLiteral(" - "), text);
        QCOMPARE(text, QStringLiteral("7 - 21 - 3 - 19"));

        flags.fill(false);
        RedPickToStr(ranking, flags, count, QStringLiteral(","), text);
        QCOMPARE(count, 0);
        QCOMPARE(text, QString());
    }

    void bluePickToStr()
    {
        TBlueRankArr ranking{};
        for (int k = 1; k <= 16; ++k)
            ranking[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(17 - k);
        TBluePickArr flags{};
        flags[1] = flags[16] = flags[8] = true;
        int count = 0;
        QString text;
        BluePickToStr(ranking, flags, count, QStringLiteral(","), text);
        QCOMPARE(count, 3);
        QCOMPARE(text, QStringLiteral("16,9,1"));
    }
};

QTEST_APPLESS_MAIN(TestRecommendStats)
#include "tst_RecommendStats.moc"
