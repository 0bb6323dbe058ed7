#include "gui/app/MsgBox.h"

#include "core/base/AppInfo.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
MsgBox::Hook &hook()
{
    static MsgBox::Hook h;
    return h;
}

MsgBox::AskHook &askHook()
{
    static MsgBox::AskHook h;
    return h;
}
} // namespace

void MsgBox::information(QWidget *parent, const QString &text)
{
    show(parent, Information, text);
}

void MsgBox::warning(QWidget *parent, const QString &text)
{
    show(parent, Warning, text);
}

void MsgBox::error(QWidget *parent, const QString &text)
{
    show(parent, Error, text);
}

void MsgBox::setHook(Hook h)
{
    hook() = std::move(h);
}

void MsgBox::setAskHook(AskHook h)
{
    askHook() = std::move(h);
}

int MsgBox::ask(QWidget *parent, const QString &text, const QStringList &buttons, int cancelButton,
                int defaultButton)
{
    if (askHook())
        return askHook()(text, buttons);
    if (hook()) {
        hook()(Question, text);
        return cancelButton;
    }
    QMessageBox box(QMessageBox::Question, QString::fromUtf16(AppInfo::kProgramName), text,
                    QMessageBox::NoButton, parent);
    QList<QAbstractButton *> added;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const auto role = i == cancelButton ? QMessageBox::RejectRole
                          : i == 0          ? QMessageBox::AcceptRole
                                            : QMessageBox::DestructiveRole;
        added.append(box.addButton(buttons[i], role));
    }
    if (defaultButton >= 0 && defaultButton < added.size())
        box.setDefaultButton(qobject_cast<QPushButton *>(added[defaultButton]));
    if (cancelButton >= 0 && cancelButton < added.size())
        box.setEscapeButton(added[cancelButton]);
    box.exec();
    const qsizetype chosen = added.indexOf(box.clickedButton());
    return chosen < 0 ? cancelButton : int(chosen);
}

void MsgBox::show(QWidget *parent, Kind kind, const QString &text)
{
    if (hook()) {
        hook()(kind, text);
        return;
    }
    const QString title = QString::fromUtf16(AppInfo::kProgramName);
    switch (kind) {
    case Error:
        QMessageBox::critical(parent, title, text);
        return;
    case Warning:
        QMessageBox::warning(parent, title, text);
        return;
    default:
        QMessageBox::information(parent, title, text);
        return;
    }
}
