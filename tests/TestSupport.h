#pragma once

// Small helpers that many tests share.

#include "history/HistoryParser.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

// The parser's messages, collected instead of shown.
class Collector : public ParseReporter
{
public:
    void report(const QString &message) override { messages.append(message); }
    QStringList messages;
};

// A file's whole content, or "<missing>" when it cannot be read, so that a comparison
// with the expected bytes fails with a readable value.
inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
