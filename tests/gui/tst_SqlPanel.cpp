// The query panel over the shipped history.
#include "app/PrintLines.h"
#include "app/SqlPanel.h"
#include "history/HistoryParser.h"

#include <QDate>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <climits>

namespace {
struct NoMessages : ParseReporter
{
    void report(const QString &message) override { QFAIL(qPrintable(message)); }
};
} // namespace

class TestSqlPanel : public QObject
{
    Q_OBJECT
private:
    TBeenCodesRecArr m_history;

    QStringList query(TSqlPanel &panel, int issue, int count)
    {
        panel.SqlSe1->setValue(issue);
        panel.SqlSe2->setValue(count);
        panel.SqlBt->click();
        const QString text = panel.SqlMemo->toPlainText();
        return text.isEmpty() ? QStringList{} : text.split(u'\n');
    }

private slots:
    void initTestCase()
    {
        QFile f(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        NoMessages reporter;
        QVERIFY(DataTxtToCodeArr(HistoryTextLines(f.readAll()), m_history, reporter));
        QCOMPARE(m_history.size(), size_t(3492));
    }

    void defaults()
    {
        TSqlPanel panel(m_history);
        QCOMPARE(panel.SqlSe1->value(), 2005013);
        QCOMPARE(panel.SqlSe2->value(), 30);
        QCOMPARE(panel.SqlSe1->minimum(), INT_MIN);
        QCOMPARE(panel.SqlSe2->maximum(), INT_MAX);
        QCOMPARE(panel.SqlBt->text(), QStringLiteral("查询"));
        QCOMPARE(panel.PrintBt->text(), QStringLiteral("打印"));
    }

    void defaultQueryListsThirtyDrawsFrom2005013()
    {
        TSqlPanel panel(m_history);
        panel.SqlBt->click();
        const QStringList lines = panel.SqlMemo->toPlainText().split(u'\n');
        QCOMPARE(lines.size(), 30);
        QVERIFY(lines.first().startsWith(QStringLiteral("第2005013期,开奖号:")));
        QVERIFY(lines.last().startsWith(QStringLiteral("第2005042期,开奖号:")));
    }

    void newestWithThirtyListsOneLine()
    {
        TSqlPanel panel(m_history);
        const DrawRecord &newest = m_history.back();
        const QStringList lines = query(panel, newest.issueNo(), 30);
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].startsWith(QStringLiteral("第") + newest.issueText()));
    }

    void printButtonPrintsTheMemoAsItStands()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("query.pdf"));
        QString jobTitle;
        SetPrinterChooser([&](QPrinter &printer, QWidget *) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        TSqlPanel panel(m_history);
        panel.SqlSe2->setValue(3);
        panel.SqlBt->click();
        // The user may edit the list; printing takes what the memo holds.
        panel.SqlMemo->appendPlainText(QStringLiteral("备注"));
        panel.PrintBt->click();
        SetPrinterChooser({});

        QProcess p;
        p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        QStringList printed;
        for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
            if (!line.trimmed().remove(u'\f').isEmpty())
                printed << line.trimmed().remove(u'\f');
        QStringList expected{PrintHeaderLine(QDate::currentDate()).trimmed()};
        expected << panel.SqlMemo->toPlainText().split(u'\n');
        QCOMPARE(printed, expected);
        QCOMPARE(printed.size(), 5);
    }

    void declinedPrinterPrintsNothing()
    {
        bool asked = false;
        SetPrinterChooser([&](QPrinter &, QWidget *) { asked = true; return false; });
        TSqlPanel panel(m_history);
        panel.PrintBt->click();
        SetPrinterChooser({});
        QVERIFY(asked);
    }

    void unknownIssueAndZeroCountEmptyTheMemo()
    {
        TSqlPanel panel(m_history);
        panel.SqlMemo->setPlainText(QStringLiteral("old"));
        QVERIFY(query(panel, 1999001, 30).isEmpty());
        panel.SqlMemo->setPlainText(QStringLiteral("old"));
        QVERIFY(query(panel, 2005013, 0).isEmpty());
    }
};

QTEST_MAIN(TestSqlPanel)
#include "tst_SqlPanel.moc"
