// PrintLines to a PDF file, read back with pdftotext.
#include "app/PrintLines.h"

#include <QDate>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString pdfTool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString runTool(const char *name, const QStringList &args)
{
    QProcess p;
    p.start(pdfTool(name), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Prints and returns the text of the PDF, pages separated by form feeds.
QString printToPdf(const QString &pdf, const QStringList &lines, const QString &title = QStringLiteral("晨帆选号通 "))
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!PrintLines(printer, title, lines, 12))
        return QStringLiteral("<not printed>");
    return runTool("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QStringList nonEmptyLines(const QString &text)
{
    QStringList out;
    for (const QString &line : text.split(u'\n'))
        if (!line.trimmed().remove(u'\f').isEmpty())
            out << line.trimmed().remove(u'\f');
    return out;
}

} // namespace

class TestPrintLines : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (pdfTool("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void headerLine()
    {
        QCOMPARE(PrintHeaderLine(QDate(2005, 5, 1)), QStringLiteral(" 打印，时间:2005.05.01"));
    }

    void emptyListPrintsHeaderOnly()
    {
        QTemporaryDir dir;
        const QString text = printToPdf(dir.filePath(QStringLiteral("empty.pdf")), {});
        QCOMPARE(nonEmptyLines(text),
                 QStringList{PrintHeaderLine(QDate::currentDate()).trimmed()});
    }

    void everyLineInOrderOverSeveralPages()
    {
        QTemporaryDir dir;
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("第%1期,开奖号:02 09 15 18 25 33 07").arg(2005000 + i);
        const QString pdf = dir.filePath(QStringLiteral("many.pdf"));
        const QString text = printToPdf(pdf, lines);
        QStringList expected{PrintHeaderLine(QDate::currentDate()).trimmed()};
        expected << lines;
        QCOMPARE(nonEmptyLines(text), expected);
        const int pages = int(text.count(u'\f'));
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        // The job's title names the document, it is not printed on the page.
        if (!pdfTool("pdfinfo").isEmpty())
            QVERIFY(runTool("pdfinfo", {pdf}).contains(QStringLiteral("晨帆选号通")));
    }

    void emptyLinesAreKept()
    {
        QTemporaryDir dir;
        const QString text = printToPdf(dir.filePath(QStringLiteral("gaps.pdf")),
                                        {QStringLiteral("一"), QString(), QString(), QStringLiteral("二")});
        const QStringList all = text.split(u'\n');
        const qsizetype one = all.indexOf(QStringLiteral("一"));
        QVERIFY(one > 0);
        QCOMPARE(all.mid(one, 4), (QStringList{QStringLiteral("一"), QString(), QString(), QStringLiteral("二")}));
    }

    void longLineIsWrappedNotCut()
    {
        QTemporaryDir dir;
        const QString longLine = QStringLiteral("01 02 03 04 05 06 ").repeated(20) + QStringLiteral("END");
        const QString text = printToPdf(dir.filePath(QStringLiteral("long.pdf")), {longLine});
        QString joined = nonEmptyLines(text).mid(1).join(QString());
        joined.remove(u' ');
        QCOMPARE(joined, QString(longLine).remove(u' '));
    }
};

QTEST_MAIN(TestPrintLines)
#include "tst_PrintLines.moc"
