// ssq-cli wheel as a user runs it: the tickets, the count and the check line.
#include "wheel/WheelVerifier.h"

#include <QProcess>
#include <QTest>

class TestCliWheel : public QObject
{
    Q_OBJECT

private slots:
    void tenNumbersSixFive()
    {
        QProcess p;
        p.start(QStringLiteral(SSQ_CLI), {"wheel", "03,05,08,13,17,21,24,28,30,33", "--guarantee", "6-5"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.takeLast(), QStringLiteral("已验证：10个号码中任意6个开出（共210种情形），每种都有一注至少中其中5个（中6保5）"));
        QCOMPARE(lines.takeLast(), QStringLiteral("共14注（全部组合210注）"));
        const QList<int> chosen = {3, 5, 8, 13, 17, 21, 24, 28, 30, 33};
        std::vector<std::uint64_t> tickets;
        for (const QString &line : lines) {
            std::uint64_t m = 0;
            for (const QString &number : line.split(' ')) {
                const auto at = chosen.indexOf(number.toInt());
                QVERIFY2(at >= 0, qPrintable(line));
                m |= std::uint64_t{1} << at;
            }
            tickets.push_back(m);
        }
        QVERIFY(VerifyWheel(10, WheelGuarantee{6, 5}, tickets).ok);
    }
};

QTEST_GUILESS_MAIN(TestCliWheel)
#include "tst_CliWheel.moc"
