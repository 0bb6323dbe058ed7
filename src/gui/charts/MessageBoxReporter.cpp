#include "gui/charts/MessageBoxReporter.h"

#include "gui/app/MsgBox.h"

void MessageBoxReporter::report(const QString &message)
{
    // A bad cell index is the program's own fault: the error box.
    MsgBox::error(m_parent, message);
}
