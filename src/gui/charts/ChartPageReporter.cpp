#include "gui/charts/ChartPageReporter.h"

#include "gui/app/MsgBox.h"

void ChartPageReporter::report(const QString &message)
{
    MsgBox::warning(m_parent, message);
}
