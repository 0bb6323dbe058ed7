#pragma once

// Helpers and fixtures that many tests share.

#include "history/HistoryParser.h"
#include "reduction/ConditionSet.h"

#include <QByteArray>
#include <QFile>
#include <QStringEncoder>
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

// Writes `bytes` to `path`, replacing it; whether all of them were written.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray Gbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

// The history shipped with the program (3,492 draws), parsed once per test program.
inline const TBeenCodesRecArr &ShippedHistory()
{
    static const TBeenCodesRecArr history = [] {
        Collector messages;
        TBeenCodesRecArr arr;
        if (!DataTxtToCodeArr(HistoryTextLines(readAll(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"))), arr, messages))
            qFatal("the shipped history does not parse");
        return arr;
    }();
    return history;
}

inline DrawRecord MakeDraw(int issue, TCodeRedArr reds, int blue)
{
    DrawRecord d;
    d.Year = issue / 1000;
    d.No = issue % 1000;
    d.Red = reds;
    d.Blue = blue;
    return d;
}

inline CheckList Checks(std::initializer_list<int> items)
{
    CheckList list;
    for (int i : items)
        list.setChecked(i, true);
    return list;
}

inline std::array<bool, 33> Numbers(std::initializer_list<int> numbers)
{
    std::array<bool, 33> range{};
    for (int n : numbers)
        range[std::size_t(n - 1)] = true;
    return range;
}
