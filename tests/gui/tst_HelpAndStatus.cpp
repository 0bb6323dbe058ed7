// The explanation window opens at its first line; the status bar's first panel never
// hides the end of a long message.
#include "app/SmForm.h"
#include "app/StatusPanel.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

class TestHelpAndStatus : public QObject
{
    Q_OBJECT

private slots:
    // "说明" fills the memo line by line, which leaves its caret at the last line.
    void explanationOpensAtTheTop()
    {
        TSmForm form;
        for (int i = 1; i <= 200; ++i)
            form.Memo->appendPlainText(QStringLiteral("第%1行").arg(i));
        int seen = -1;
        QTimer::singleShot(50, &form, [&] {
            seen = form.Memo->verticalScrollBar()->value();
            form.accept();
        });
        form.ShowExplanation(QStringLiteral("统计分析表 图表说明"));
        QCOMPARE(seen, 0);
    }

    void statusPanel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cut");
        QTest::newRow("short") << QStringLiteral("保存文档完毕") << false;
        QTest::newRow("long") << QStringLiteral("没有找到开奖数据文件，开奖数据将保存在：").repeated(6) << true;
    }
    void statusPanel()
    {
        QFETCH(QString, text);
        QFETCH(bool, cut);
        TStatusPanel panel;
        panel.setFixedWidth(420);
        panel.show();
        panel.setFullText(text);
        QCOMPARE(panel.fullText(), text);
        QCOMPARE(panel.text().endsWith(QStringLiteral("…")), cut);
        QVERIFY(panel.fontMetrics().horizontalAdvance(panel.text()) <= panel.contentsRect().width());
        QCOMPARE(panel.toolTip(), cut ? text : QString());
    }
};

QTEST_MAIN(TestHelpAndStatus)
#include "tst_HelpAndStatus.moc"
