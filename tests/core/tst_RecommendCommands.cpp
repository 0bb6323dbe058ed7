#include "core/code/SsqError.h"
#include "core/recommend/RecommendCommands.h"
#include "core/recommend/RecommendStats.h"
#include "core/reduction/ReductionEngine.h"
#include "TestSupport.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(RecommendKind)

namespace {

// `count` draws of the same reds and blue.
TBeenCodesRecArr repeated(int count, TCodeRedArr reds, int blue)
{
    TBeenCodesRecArr history;
    for (int i = 0; i < count; ++i)
        history.push_back(MakeDraw(2020001 + i, reds, blue));
    return history;
}

// Only reds above 17 and only blue 1 drawn: the reds rank 1..33 and the blues
// 4..16, 1, 2, 3, so the output names the picked positions themselves.
TBeenCodesRecArr identityHistory(int count)
{
    return repeated(count, {18, 19, 20, 21, 22, 23}, 1);
}

} // namespace

class TestRecommendCommands : public QObject
{
    Q_OBJECT

private slots:
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
        QList<int> numbers;   // positions 1..33
        for (std::size_t k = 1; k < ranking.size(); ++k)
            numbers << ranking[k];
        QCOMPARE(numbers.mid(0, head.size()), head);
        QList<int> sorted = numbers;
        std::sort(sorted.begin(), sorted.end());
        for (int n = 1; n <= 33; ++n)
            QCOMPARE(sorted[n - 1], n);   // every number exactly once
    }

    void output_data()
    {
        QTest::addColumn<RecommendKind>("kind");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("completion");
        using K = RecommendKind;
        QTest::newRow("cold") << K::Cold
                              << QStringList{"冷码推荐(第1组)4个号", "4,9,14,19",
                                             "冷码推荐(第2组)4个号", "8,14,20,26",
                                             "冷码推荐(第3组)4个号", "12,19,26,33"}
                              << "完成 冷码推荐";
        QTest::newRow("hot") << K::Hot
                             << QStringList{"热码推荐(第1组)4个号", "4,10,19,28",
                                            "热码推荐(第2组)4个号", "1,11,14,24",
                                            "热码推荐(第3组)3个号", "7,18,29"}
                             << "完成 热码推荐";
        QTest::newRow("must") << K::Must << QStringList{"必出码推荐:5个号", "6,12,15,21,30"}
                              << "完成 必出码推荐";
        QTest::newRow("banker") << K::Banker << QStringList{"胆码推荐:5个号", "15,16,17,32,33"}
                                << "完成 胆码推荐";
        // Blue positions 2, 4, 11 hold 5, 7, 14 (4..16 first, then 1, 2, 3); group 2
        // starts at 23: positions 6, 8, 15 hold 9, 11, 2.
        QTest::newRow("multi23")
            << K::Multi23
            << QStringList{"复式推荐(第1组):22+3个号",
                           "1,2,3,5,7,8,10,12,14,15,17,19,20,21,22,24,26,27,28,29,31,33+5,7,14",
                           "复式推荐(第2组):22+3个号",
                           "2,4,5,6,7,9,11,12,14,16,18,19,21,23,24,25,26,28,30,31,32,33+9,11,2"}
            << "完成 复式推荐";
    }

    void output()
    {
        QFETCH(RecommendKind, kind);
        QFETCH(QStringList, lines);
        QFETCH(QString, completion);
        const RecommendOutput out = RunRecommend(kind, identityHistory(26));
        QCOMPARE(out.lines, lines);
        QCOMPARE(out.completion, completion);
    }

    // The ranking, not the numbers, decides the order of the text: most frequent first.
    void numbersFollowTheRanking()
    {
        TBeenCodesRecArr history = identityHistory(19);
        history.push_back(MakeDraw(2020020, {9, 4, 5, 7, 10, 11}, 1));
        history.push_back(MakeDraw(2020021, {9, 14, 15, 16, 17, 12}, 1));
        // Window 20: 9 twice; 4, 5, 7, 10, 11, 12, 14, 15, 16, 17 once; the rest 0.
        const RecommendOutput out = RunRecommend(RecommendKind::Cold, history);
        // Ranking: 9, 4, 5, 7, 10, 11, 12, 14, 15, 16, 17, 1, 2, 3, 6, 8, 13, 18..33;
        // positions 4, 9, 14, 19.
        QCOMPARE(out.lines[1], QStringLiteral("7,15,3,19"));
    }

    void singleTicketsOnShippedHistory()
    {
        const TBeenCodesRecArr &history = ShippedHistory();
        QVERIFY(history.size() > 3000);
        const RecommendOutput out = RunRecommend(RecommendKind::Single, history);
        QCOMPARE(out.completion, QStringLiteral("完成 单注预测"));
        QCOMPARE(out.lines.size(), 806);

        // Count independently: the cold set from a plain count of the 20 newest draws.
        std::array<int, 34> freq{};
        for (std::size_t i = history.size() - 20; i < history.size(); ++i)
            for (auto red : history[i].Red)
                ++freq[std::size_t(red)];
        std::array<int, 33> order{};
        for (int i = 0; i < 33; ++i)
            order[std::size_t(i)] = i + 1;
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return freq[std::size_t(a)] > freq[std::size_t(b)]; });
        std::array<bool, 34> cold{};
        for (int i = 19; i < 33; ++i)
            cold[std::size_t(order[std::size_t(i)])] = true;

        // Walk every ascending combination in order and note the ordinal of each eligible one.
        QHash<QString, int> ordinal;
        int eligible = 0;
        std::array<int, 6> c{};
        for (c[0] = 1; c[0] <= 28; ++c[0])
            for (c[1] = c[0] + 1; c[1] <= 29; ++c[1])
                for (c[2] = c[1] + 1; c[2] <= 30; ++c[2])
                    for (c[3] = c[2] + 1; c[3] <= 31; ++c[3])
                        for (c[4] = c[3] + 1; c[4] <= 32; ++c[4])
                            for (c[5] = c[4] + 1; c[5] <= 33; ++c[5]) {
                                int in = 0;
                                for (int n : c)
                                    in += cold[std::size_t(n)];
                                if (in < 2 || in > 4)
                                    continue;
                                ++eligible;
                                // Only the ordinals a ticket can have: 1 + a multiple of step - 1.
                                const int o = eligible - 1;
                                if (o % 8765 == 0 || o % 4382 == 0 || o % 1752 == 0) {
                                    QString text;
                                    for (int n : c)
                                        text += (text.isEmpty() ? "" : " ") + QString::asprintf("%02d", n);
                                    ordinal.insert(text, eligible);
                                }
                            }
        QCOMPARE(eligible, 876603);

        const std::array<int, 3> steps{8766, 4383, 1753};
        int line = 1;
        for (std::size_t b = 0; b < 3; ++b) {
            for (int k = 0; k < TicketCounts[b]; ++k, ++line) {
                // The first is the step-th eligible combination, the others step - 1 apart.
                const int expected = steps[b] + k * (steps[b] - 1);
                QVERIFY2(ordinal.value(out.lines[line], -1) == expected,
                         qPrintable(QStringLiteral("block %1 ticket %2: %3").arg(b).arg(k).arg(out.lines[line])));
            }
            line += 2;
        }
    }
};

QTEST_APPLESS_MAIN(TestRecommendCommands)
#include "tst_RecommendCommands.moc"
