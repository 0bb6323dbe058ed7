#include "charts/ChartPageReporter.h"

#include "app/MsgBox.h"

void ChartPageReporter::report(const QString &message)
{
    MsgBox::warning(m_parent, message);
}
