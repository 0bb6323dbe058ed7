#pragma once

#include <QString>

// Where a chart model sends a bad-index message ("SetValue x>=FColsCount "). The controls
// show each one in a modal message box; the batch tool prints them; tests collect them.
// The model never reads or writes outside its arrays, whether a reporter is set or not.
class ChartReporter
{
public:
    virtual ~ChartReporter() = default;
    virtual void report(const QString &message) = 0;
};
