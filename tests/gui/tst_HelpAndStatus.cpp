// The explanation window opens at its first line; the status bar's first panel never
// hides the end of a long message; Qt's own dialogs speak Chinese once the start-up loader
// installed Qt's translations.
#include "app/QtTranslations.h"
#include "app/SmForm.h"
#include "app/StatusPanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

class TestHelpAndStatus : public QObject
{
    Q_OBJECT

    // The captions of a dialog that are English words without a Chinese character (a
    // folder's path is neither).
    static QStringList english(QWidget *dialog)
    {
        static const QRegularExpression word(QStringLiteral("^[^\\p{Han}]*[A-Za-z]{2,}[^\\p{Han}]*$"));
        QStringList found;
        for (QLabel *label : dialog->findChildren<QLabel *>())
            if (word.match(label->text()).hasMatch())
                found << label->text();
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
            if (button->isVisibleTo(dialog) && word.match(button->text()).hasMatch())
                found << button->text();
        for (QComboBox *combo : dialog->findChildren<QComboBox *>())
            if (!combo->currentText().contains(u'/') && word.match(combo->currentText()).hasMatch())
                found << combo->currentText();
        return found;
    }

private slots:
    void dialogsSpeakChinese()
    {
        QVERIFY(InstallQtChineseTranslations().contains(QStringLiteral("qtbase_zh_CN")));
        QMessageBox box(QMessageBox::Question, QString(), QStringLiteral("要替换吗？"),
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        QPrinter printer;
        QPrintDialog print(&printer);
        for (QWidget *dialog : std::initializer_list<QWidget *>{&box, &files, &print}) {
            dialog->show();
            QVERIFY2(english(dialog).isEmpty(), qPrintable(english(dialog).join(u'|')));
        }
    }
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
