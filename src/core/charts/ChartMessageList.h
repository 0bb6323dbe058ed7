#pragma once

#include "core/charts/ChartReporter.h"

#include <QStringList>

// Keeps the messages in the order they came; for the batch tool and for tests.
class ChartMessageList : public ChartReporter
{
public:
    void report(const QString &message) override { messages.append(message); }
    QStringList messages;
};
