#include "gui/reduction/RcmDialogs.h"

#include "gui/app/PrintLines.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString runFileDialog(QWidget *parent, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, request.folder,
                       request.filterName + QStringLiteral(" (") + request.pattern + QLatin1Char(')'));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

TRcmDialogs TRcmDialogs::standard()
{
    TRcmDialogs dialogs;
    dialogs.saveFile = [](QWidget *parent, const FileDialogRequest &request) {
        return runFileDialog(parent, request, QFileDialog::AcceptSave);
    };
    dialogs.openFile = [](QWidget *parent, const FileDialogRequest &request) {
        return runFileDialog(parent, request, QFileDialog::AcceptOpen);
    };
    dialogs.askText = [](QWidget *parent, const QString &caption, const QString &label) {
        bool ok = false;
        const QString text = QInputDialog::getText(parent, caption, label, QLineEdit::Normal,
                                                   QString(), &ok);
        return ok ? text : QString();
    };
    dialogs.confirm = [](QWidget *parent, const QString &text) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("确认"), text, QMessageBox::NoButton, parent);
        QPushButton *yes = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
        // Every question here overwrites a file or prints many pages: Enter answers 取消.
        box.setDefaultButton(box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole));
        box.exec();
        return box.clickedButton() == yes;
    };
    dialogs.print = [](QWidget *parent, const QString &title, const QStringList &lines, int fontSize) {
        PrintLines(parent, title, lines, fontSize);
    };
    dialogs.pageCount = [](const QStringList &lines, int fontSize) { return PrintPageCount(lines, fontSize); };
    return dialogs;
}
