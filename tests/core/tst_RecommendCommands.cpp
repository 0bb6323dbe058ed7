#include "code/SsqError.h"
#include "history/HistoryParser.h"
#include "recommend/RecommendCommands.h"
#include "reduction/ReductionEngine.h"
#include "TestSupport.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(RecommendKind)

namespace {

TBeenCodesRecArr repeated(int count, TCodeRedArr reds, int blue)
{
    TBeenCodesRecArr history;
    for (int i = 0; i < count; ++i) {
        DrawRecord d;
        d.Year = 2020;
        d.No = i + 1;
        d.Red = reds;
        d.Blue = blue;
        history.push_back(d);
    }
    return history;
}

// Only reds above 17 and only blue 1 drawn: the reds rank 1..33 and the blues
// 4..16, 1, 2, 3, so the output names the picked positions themselves.
TBeenCodesRecArr identityHistory(int count)
{
    return repeated(count, {18, 19, 20, 21, 22, 23}, 1);
}

const TBeenCodesRecArr &shippedHistory()
{
    static const TBeenCodesRecArr history = [] {
        QFile file(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
        TBeenCodesRecArr parsed;
        if (!file.open(QIODevice::ReadOnly))
            return parsed;
        Collector reporter;
        DataTxtToCodeArr(HistoryTextLines(file.readAll()), parsed, reporter);
        return parsed;
    }();
    return history;
}

QString joined(const std::vector<int> &numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(','));
}

std::vector<int> range(int from, int to)
{
    std::vector<int> numbers;
    for (int n = from; n <= to; ++n)
        numbers.push_back(n);
    return numbers;
}

long long choose(int n, int k)
{
    long long r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return r;
}

QString shortMessage()
{
    return QString::fromUtf16(kHistoryTooShortMessage);
}

// What a command throws, or an empty text.
QString failureOf(RecommendKind kind, const TBeenCodesRecArr &history)
{
    try {
        RunRecommend(kind, history);
    } catch (const SsqError &e) {
        return e.text();
    }
    return {};
}

} // namespace

class TestRecommendCommands : public QObject
{
    Q_OBJECT

private slots:
    void positions_data()
    {
        QTest::addColumn<RecommendKind>("kind");
        QTest::addColumn<int>("group");   // from 1
        QTest::addColumn<QString>("red");
        QTest::addColumn<QString>("blue");
        using K = RecommendKind;
        QTest::newRow("cold 1") << K::Cold << 1 << "4,9,14,19" << "";
        QTest::newRow("cold 2") << K::Cold << 2 << "8,14,20,26" << "";
        QTest::newRow("cold 3") << K::Cold << 3 << "12,19,26,33" << "";
        QTest::newRow("hot 1") << K::Hot << 1 << "4,10,19,28" << "";
        QTest::newRow("hot 2") << K::Hot << 2 << "1,11,14,24" << "";
        QTest::newRow("hot 3: two picks coincide") << K::Hot << 3 << "7,18,29" << "";
        QTest::newRow("must") << K::Must << 1 << "6,12,15,21,30" << "";
        QTest::newRow("banker") << K::Banker << 1 << "15,16,17,32,33" << "";
        QTest::newRow("multi23 1")
            << K::Multi23 << 1 << "1,2,3,5,7,8,10,12,14,15,17,19,20,21,22,24,26,27,28,29,31,33"
            << "2,4,11";
        QTest::newRow("multi12 1") << K::Multi12 << 1 << joined(range(14, 25)) << "14,15,16";
        QTest::newRow("multi12 2") << K::Multi12 << 2 << joined(range(18, 29)) << "2,3,4";
        QTest::newRow("multi12 5 wraps") << K::Multi12 << 5 << "1,2,3,4,5,6,7,8,30,31,32,33"
                                         << "14,15,16";
    }

    void positions()
    {
        QFETCH(RecommendKind, kind);
        QFETCH(int, group);
        QFETCH(QString, red);
        QFETCH(QString, blue);
        const std::vector<GroupPositions> groups = RecommendPositions(kind);
        QVERIFY(group <= int(groups.size()));
        QCOMPARE(joined(groups[std::size_t(group - 1)].red), red);
        QCOMPARE(joined(groups[std::size_t(group - 1)].blue), blue);
    }

    void groupCounts_data()
    {
        QTest::addColumn<RecommendKind>("kind");
        QTest::addColumn<int>("groups");
        QTest::addColumn<int>("reds");
        QTest::addColumn<int>("blues");
        QTest::newRow("multi23") << RecommendKind::Multi23 << 2 << 22 << 3;
        QTest::newRow("multi15") << RecommendKind::Multi15 << 20 << 15 << 3;
        QTest::newRow("multi12") << RecommendKind::Multi12 << 30 << 12 << 3;
        QTest::newRow("must") << RecommendKind::Must << 1 << 5 << 0;
        QTest::newRow("banker") << RecommendKind::Banker << 1 << 5 << 0;
        QTest::newRow("single") << RecommendKind::Single << 0 << 0 << 0;
    }

    // No two picks of a multi-number group coincide: every title reads 22+3, 15+3, 12+3.
    void groupCounts()
    {
        QFETCH(RecommendKind, kind);
        QFETCH(int, groups);
        QFETCH(int, reds);
        QFETCH(int, blues);
        const std::vector<GroupPositions> all = RecommendPositions(kind);
        QCOMPARE(int(all.size()), groups);
        for (const GroupPositions &g : all) {
            QCOMPARE(int(g.red.size()), reds);
            QCOMPARE(int(g.blue.size()), blues);
        }
    }

    void nextStartWrapsAt33()
    {
        QCOMPARE(NextPickStart(3), 7);
        QCOMPARE(NextPickStart(29), 33);
        QCOMPARE(NextPickStart(30), 1);
        QCOMPARE(NextPickStart(33), 4);
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

    void multi12FifthGroupWraps()
    {
        const RecommendOutput out = RunRecommend(RecommendKind::Multi12, identityHistory(26));
        QCOMPARE(out.lines.size(), 60);
        QCOMPARE(out.lines[8], QStringLiteral("复式推荐(第5组):12+3个号"));
        // Positions 30..33 and 1..8, in ranking order; blue positions 14..16 hold 1, 2, 3.
        QCOMPARE(out.lines[9], QStringLiteral("1,2,3,4,5,6,7,8,30,31,32,33+1,2,3"));
    }

    // The ranking, not the numbers, decides the order of the text: most frequent first.
    void numbersFollowTheRanking()
    {
        TBeenCodesRecArr history = identityHistory(19);
        history.push_back(repeated(1, {9, 4, 5, 7, 10, 11}, 1).front());
        TBeenCodesRecArr more = repeated(1, {9, 14, 15, 16, 17, 12}, 1);
        history.push_back(more.front());
        // Window 20: 9 twice; 4, 5, 7, 10, 11, 12, 14, 15, 16, 17 once; the rest 0.
        const RecommendOutput out = RunRecommend(RecommendKind::Cold, history);
        // Ranking: 9, 4, 5, 7, 10, 11, 12, 14, 15, 16, 17, 1, 2, 3, 6, 8, 13, 18..33;
        // positions 4, 9, 14, 19.
        QCOMPARE(out.lines[1], QStringLiteral("7,15,3,19"));
    }

    void windows_data()
    {
        QTest::addColumn<RecommendKind>("kind");
        QTest::addColumn<int>("draws");
        QTest::addColumn<bool>("ok");
        using K = RecommendKind;
        for (K kind : {K::Cold, K::Hot, K::Must, K::Banker, K::Single}) {
            const QByteArray name = RecommendKindName(kind).toLatin1();
            QTest::newRow(name + " 20") << kind << 20 << true;
            QTest::newRow(name + " 19") << kind << 19 << false;
        }
        for (K kind : {K::Multi23, K::Multi15, K::Multi12}) {
            const QByteArray name = RecommendKindName(kind).toLatin1();
            QTest::newRow(name + " 26") << kind << 26 << true;
            QTest::newRow(name + " 25") << kind << 25 << false;
            QTest::newRow(name + " 20") << kind << 20 << false;
        }
    }

    void windows()
    {
        QFETCH(RecommendKind, kind);
        QFETCH(int, draws);
        QFETCH(bool, ok);
        QCOMPARE(failureOf(kind, identityHistory(draws)), ok ? QString() : shortMessage());
    }

    void eligibleCountIsAlways876603()
    {
        QCOMPARE(choose(14, 2) * choose(19, 4) + choose(14, 3) * choose(19, 3)
                     + choose(14, 4) * choose(19, 2),
                 876603LL);
        TCodeList list;
        BuildBaseList(list);
        std::vector<std::uint8_t> eligible;
        TRedRankArr identity{};
        for (int k = 1; k <= 33; ++k)
            identity[std::size_t(k)] = std::uint8_t(k);
        QCOMPARE(MarkEligible(list, ColdSet(identity), eligible), 876603);
        TRedRankArr reversed{};
        for (int k = 1; k <= 33; ++k)
            reversed[std::size_t(k)] = std::uint8_t(34 - k);
        QCOMPARE(MarkEligible(list, ColdSet(reversed), eligible), 876603);
        QCOMPARE(876603 / TicketCounts[0], 8766);
        QCOMPARE(876603 / TicketCounts[1], 4383);
        QCOMPARE(876603 / TicketCounts[2], 1753);
    }

    void coldSetIsPositions20To33()
    {
        TRedRankArr identity{};
        for (int k = 1; k <= 33; ++k)
            identity[std::size_t(k)] = std::uint8_t(k);
        QCOMPARE(ColdSet(identity), CodeMask::range(20, 33));
        QVERIFY(IsEligible({1, 2, 3, 4, 20, 21}, CodeMask::range(20, 33)));
        QVERIFY(IsEligible({1, 2, 20, 21, 22, 23}, CodeMask::range(20, 33)));
        QVERIFY(!IsEligible({1, 2, 3, 4, 5, 20}, CodeMask::range(20, 33)));
        QVERIFY(!IsEligible({1, 20, 21, 22, 23, 24}, CodeMask::range(20, 33)));
    }

    void singleTicketsOnShippedHistory()
    {
        const TBeenCodesRecArr &history = shippedHistory();
        QVERIFY(history.size() > 3000);
        const RecommendOutput out = RunRecommend(RecommendKind::Single, history);
        QCOMPARE(out.completion, QStringLiteral("完成 单注预测"));
        QCOMPARE(out.lines.size(), 806);
        QCOMPARE(out.lines[0], QStringLiteral("单注预测(100注):"));
        QCOMPARE(out.lines[101], QString());
        QCOMPARE(out.lines[102], QStringLiteral("单注预测(200注):"));
        QCOMPARE(out.lines[303], QString());
        QCOMPARE(out.lines[304], QStringLiteral("单注预测(500注):"));
        QCOMPARE(out.lines[805], QString());

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

    void pickTickets_data()
    {
        QTest::addColumn<QString>("flags");   // one character per list entry, '1' eligible
        QTest::addColumn<int>("tickets");
        QTest::addColumn<QString>("picked");
        // 10 eligible, 2 tickets: step 5 -> the 5th eligible, then 4 further.
        QTest::newRow("step 5") << "1111111111" << 2 << "4,8";
        QTest::newRow("skips the ineligible") << "0101010101010101" << 2 << "7,13";
        // Step 1 would take one combination over and over: every eligible one once instead.
        QTest::newRow("step 1") << "0110100" << 2 << "1,2";
        // Fewer eligible than tickets: each once, then the list ends.
        QTest::newRow("step 0") << "0010010" << 5 << "2,5";
        QTest::newRow("none eligible") << "0000" << 3 << "";
        QTest::newRow("empty list") << "" << 100 << "";
        QTest::newRow("exactly to the last") << "111111" << 2 << "2,4";
    }

    void pickTickets()
    {
        QFETCH(QString, flags);
        QFETCH(int, tickets);
        QFETCH(QString, picked);
        std::vector<std::uint8_t> eligible;
        int count = 0;
        for (QChar ch : flags) {
            eligible.push_back(ch == QLatin1Char('1'));
            count += ch == QLatin1Char('1');
        }
        QCOMPARE(joined(PickTickets(eligible, count, tickets)), picked);
    }

    void everyCommandOnShippedHistory_data()
    {
        QTest::addColumn<RecommendKind>("kind");
        QTest::addColumn<int>("lines");
        for (RecommendKind kind : kRecommendKinds) {
            static const QMap<RecommendKind, int> sizes{
                {RecommendKind::Cold, 6},    {RecommendKind::Hot, 6},
                {RecommendKind::Must, 2},    {RecommendKind::Banker, 2},
                {RecommendKind::Single, 806}, {RecommendKind::Multi23, 4},
                {RecommendKind::Multi15, 40}, {RecommendKind::Multi12, 60}};
            QTest::newRow(RecommendKindName(kind).toLatin1()) << kind << sizes.value(kind);
        }
    }

    void everyCommandOnShippedHistory()
    {
        QFETCH(RecommendKind, kind);
        QFETCH(int, lines);
        const RecommendOutput first = RunRecommend(kind, shippedHistory());
        QCOMPARE(first.lines.size(), lines);
        QVERIFY(!first.completion.isEmpty());
        if (kind != RecommendKind::Single) {
            // Every number line names numbers of the game only.
            for (qsizetype i = 1; i < first.lines.size(); i += 2)
                for (const QString &part : first.lines[i].split(QRegularExpression("[,+]"))) {
                    const int n = part.toInt();
                    QVERIFY2(n >= 1 && n <= 33, qPrintable(first.lines[i]));
                }
        }
        QCOMPARE(RunRecommend(kind, shippedHistory()).lines, first.lines);   // deterministic
    }

    void batchToolEntry()
    {
        QStringList lines;
        QString error;
        QVERIFY(RecommendCommandLines(identityHistory(20), "must", lines, error));
        QCOMPARE(lines, (QStringList{"必出码推荐:5个号", "6,12,15,21,30"}));

        lines = QStringList{"kept"};
        QVERIFY(!RecommendCommandLines(identityHistory(25), "multi15", lines, error));
        QCOMPARE(error, shortMessage());
        QCOMPARE(lines, QStringList{"kept"});

        QVERIFY(!RecommendCommandLines(identityHistory(30), "tepid", lines, error));
        QVERIFY(error.contains("tepid"));

        for (RecommendKind kind : kRecommendKinds)
            QCOMPARE(RecommendKindFromName(RecommendKindName(kind)), std::optional(kind));
        QVERIFY(!RecommendKindFromName("Cold"));
    }
};

QTEST_APPLESS_MAIN(TestRecommendCommands)
#include "tst_RecommendCommands.moc"
