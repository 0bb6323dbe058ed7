// Qt's own dialogs and menus speak Chinese once the program loaded Qt's translations.
#include "app/QtTranslations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

class TestQtTranslations : public QObject
{
    Q_OBJECT

    static void render(QWidget *w, const QString &name)
    {
        QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
        w->grab().save(QStringLiteral(SSQ_RENDER_DIR "/") + name + QStringLiteral(".png"));
    }

    // A caption in English: Latin words and no Chinese character.
    static bool english(const QString &text)
    {
        static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
        static const QRegularExpression han(QStringLiteral("\\p{Han}"));
        return text.contains(latinWord) && !text.contains(han);
    }

    static QStringList englishTexts(QWidget *root)
    {
        QStringList found;
        for (QLabel *label : root->findChildren<QLabel *>())
            if (english(label->text()))
                found << label->text();
        for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
            if (button->isVisibleTo(root) && english(button->text()))
                found << button->text();
        return found;
    }

private slots:
    void initTestCase()
    {
        const QStringList loaded = InstallQtChineseTranslations();
        QVERIFY2(loaded.contains(QStringLiteral("qtbase_zh_CN")), qPrintable(loaded.join(u',')));
    }

    void messageBoxButtons()
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("替换"), QStringLiteral("文件已存在，要替换吗？"),
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
        box.show();
        const QStringList english = englishTexts(&box);
        render(&box, QStringLiteral("qt-message-box"));
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u'|')));
    }

    void fileDialog()
    {
        QFileDialog dialog(nullptr, QStringLiteral("导入数据"), QDir::tempPath(), QStringLiteral("文本文件 (*.txt)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        const QStringList english = englishTexts(&dialog);
        render(&dialog, QStringLiteral("qt-file-dialog"));
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u'|')));
    }

    void memoContextMenu()
    {
        QPlainTextEdit memo;
        std::unique_ptr<QMenu> menu(memo.createStandardContextMenu());
        for (const QAction *action : menu->actions())
            QVERIFY2(action->isSeparator() || !english(action->text()), qPrintable(action->text()));
    }

    void printDialog()
    {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        dialog.show();
        bool printToFile = false;
        for (QComboBox *combo : dialog.findChildren<QComboBox *>())
            for (int i = 0; i < combo->count(); ++i)
                printToFile = printToFile || combo->itemText(i).startsWith(QStringLiteral("打印到文件"));
        render(&dialog, QStringLiteral("qt-print-dialog"));
        QVERIFY(printToFile);
    }
};

QTEST_MAIN(TestQtTranslations)
#include "tst_QtTranslations.moc"
