#pragma once

#include "core/charts/ChartReporter.h"

class QWidget;

// Shows a chart page's message ("设置的查询期数超过总期数!!") in the program's modal
// warning box, which tests can intercept.
class ChartPageReporter : public ChartReporter
{
public:
    explicit ChartPageReporter(QWidget *parent) : m_parent(parent) {}
    void report(const QString &message) override;

private:
    QWidget *m_parent;
};
