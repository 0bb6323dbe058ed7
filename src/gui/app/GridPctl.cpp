#include "gui/app/GridPctl.h"

TGridPctl::TGridPctl(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("GridPctl"));
}
