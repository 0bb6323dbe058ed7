#pragma once

#include "charts/ChartReporter.h"

class QWidget;

// Shows a chart model's bad-index message to the user in a modal message box with an OK
// button, as every message of the charts is shown.
class MessageBoxReporter : public ChartReporter
{
public:
    explicit MessageBoxReporter(QWidget *parent) : m_parent(parent) {}
    void report(const QString &message) override;

private:
    QWidget *m_parent;
};
