// Qt's own dialogs speak Chinese once the start-up loader installed Qt's translations.
#include "app/QtTranslations.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

class TestQtTranslations : public QObject
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
};

QTEST_MAIN(TestQtTranslations)
#include "tst_QtTranslations.moc"
