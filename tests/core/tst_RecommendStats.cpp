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

};

QTEST_APPLESS_MAIN(TestRecommendStats)
#include "tst_RecommendStats.moc"
