#pragma once

#include "core/charts/ChartReporter.h"

class QWidget;

// Shows a chart control's bad-index message (an internal fault) in the program's error
// box.
class MessageBoxReporter : public ChartReporter
{
public:
    explicit MessageBoxReporter(QWidget *parent) : m_parent(parent) {}
    void report(const QString &message) override;

private:
    QWidget *m_parent;
};
