// The explanation window and the user's guide open at their first line; the status bar's
// first panel never hides the end of a long message.
#include "app/SmForm.h"
#include "app/StatusPanel.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

class TestHelpAndStatus : public QObject
{
    Q_OBJECT

    static QString longText()
    {
        QStringList lines;
        for (int i = 1; i <= 200; ++i)
            lines << QStringLiteral("第%1行说明").arg(i);
        return lines.join(u'\n');
    }

private slots:
    // "说明" fills the memo line by line, which leaves its view at the last line.
    void explanationOpensAtTheTop()
    {
        TSmForm form;
        for (const QString &line : longText().split(u'\n'))
            form.Memo->appendPlainText(line);
        int seenScroll = -1;
        int seenCaret = -1;
        QTimer::singleShot(50, &form, [&] {
            seenScroll = form.Memo->verticalScrollBar()->value();
            seenCaret = form.Memo->textCursor().position();
            form.accept();
        });
        form.ShowExplanation(QStringLiteral("统计分析表 图表说明"));
        QCOMPARE(seenScroll, 0);
        QCOMPARE(seenCaret, 0);
    }

    void guideShownWholeFromTheTop()
    {
        TSmForm form;
        form.Memo->setPlainText(QStringLiteral("上一次的内容"));
        form.Memo->moveCursor(QTextCursor::End);
        form.resize(640, 560);
        form.ShowText(QStringLiteral("使用说明"), longText());
        QVERIFY(form.isVisible());
        QVERIFY(!form.isModal());
        QCOMPARE(form.Memo->toPlainText(), longText());
        QCOMPARE(form.Memo->verticalScrollBar()->value(), 0);
        QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
        form.grab().save(QStringLiteral(SSQ_RENDER_DIR "/help-window.png"));
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
        QCOMPARE(panel.text() != text, cut);
        QVERIFY(panel.fontMetrics().horizontalAdvance(panel.text()) <= panel.contentsRect().width());
        QCOMPARE(panel.toolTip(), cut ? text : QString());
        if (cut)
            QVERIFY(panel.text().endsWith(QStringLiteral("…")));
    }
};

QTEST_MAIN(TestHelpAndStatus)
#include "tst_HelpAndStatus.moc"
