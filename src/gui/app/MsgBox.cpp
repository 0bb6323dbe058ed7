#include "app/MsgBox.h"

#include "app/AppInfo.h"

#include <QMessageBox>

namespace {
MsgBox::Hook &hook()
{
    static MsgBox::Hook h;
    return h;
}
} // namespace

void MsgBox::information(QWidget *parent, const QString &text)
{
    show(parent, Information, text);
}

void MsgBox::error(QWidget *parent, const QString &text)
{
    show(parent, Error, text);
}

void MsgBox::setHook(Hook h)
{
    hook() = std::move(h);
}

void MsgBox::show(QWidget *parent, Kind kind, const QString &text)
{
    if (hook()) {
        hook()(kind, text);
        return;
    }
    const QString title = QString::fromUtf16(AppInfo::kProgramName);
    if (kind == Error)
        QMessageBox::critical(parent, title, text);
    else
        QMessageBox::information(parent, title, text);
}
