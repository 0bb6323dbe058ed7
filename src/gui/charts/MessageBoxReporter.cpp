#include "charts/MessageBoxReporter.h"

#include <QCoreApplication>
#include <QMessageBox>

void MessageBoxReporter::report(const QString &message)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), message,
                    QMessageBox::Ok, m_parent);
    box.exec();
}
