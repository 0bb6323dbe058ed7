// The sources file a player may write: what is taken, what is refused and said.
#include "update/SourceList.h"

#include <QStringEncoder>
#include <QTest>

class TestSourceList : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sources");    // name form address, ";" between
        QTest::addColumn<QString>("problems");
        QTest::newRow("two sources in order")
            << "; 来源\n[mine]\ntitle=我的文件\nform=history\nurl=draws.txt\n\n[web]\nform=TABLE\nurl=https://h/x.csv ; 备用\n"
            << "mine history /base/draws.txt;web table https://h/x.csv" << "";
        QTest::newRow("bad form, missing url, stray line")
            << "x=1\n[a]\nform=xml\nurl=http://a\n[b]\ntitle=B\n[c]\nform=draw-notice\nurl=http://c\ncolour=red\n"
            << "c draw-notice http://c"
            << "sources.ini 第1行：看不懂“x=1”|sources.ini 第3行：不认识的格式“xml”（可用 draw-notice、table、history），来源“a”已忽略|"
               "sources.ini 第5行：来源“b”没有 url，已忽略|sources.ini 第10行：不认识的项目“colour”";
        QTest::newRow("nothing usable") << "[a]\n" << "cwl draw-notice;17500 table;support history"
                                        << "sources.ini 第1行：来源“a”没有 url，已忽略|sources.ini 中没有可用的来源，使用程序内置的来源";
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, sources);
        QFETCH(QString, problems);
        const SourceListRead read = ParseSourceList(text.toUtf8(), QStringLiteral("/base"));
        QStringList got;
        for (const UpdateSource &s : read.sources)
            got << (s.name + ' ' + FormName(s.form) + (read.fromFile ? ' ' + s.address : QString()));
        QCOMPARE(got.join(';'), sources);
        QCOMPARE(read.problems, problems.split('|', Qt::SkipEmptyParts));
    }

    void gbkFileAndAbsentFile()
    {
        QStringEncoder gbk("GBK");
        const QByteArray bytes = gbk.encode(QStringLiteral("[a]\ntitle=本地文件\nurl=/d/x.txt\n"));
        QCOMPARE(ParseSourceList(bytes, {}).sources.value(0).title, QStringLiteral("本地文件"));
        const SourceListRead absent = LoadSourceList(QStringLiteral("/nonexistent/sources.ini"));
        QVERIFY(!absent.fromFile && absent.problems.isEmpty());
        QCOMPARE(absent.sources.size(), DefaultSources().size());
    }
};

QTEST_GUILESS_MAIN(TestSourceList)
#include "tst_SourceList.moc"
