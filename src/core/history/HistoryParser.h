#pragma once

#include "history/DrawRecord.h"

#include <QStringList>

// Where the parser's messages go. The desktop program shows each one in a modal
// message box; the batch tool prints them; tests collect them.
class ParseReporter
{
public:
    virtual ~ParseReporter() = default;
    virtual void report(const QString &message) = 0;
};

// The message that lists the lines of the wrong shape.
inline constexpr char16_t kBadLinesMessage[] = u"文本内容中下列行的数据有错误，请纠正再保存！！";

// Parses the lines of the history text. On success CodeArr is replaced and true is
// returned; when a line has the wrong shape or a field does not convert, the problem is
// reported and CodeArr keeps its previous content (false). However bad the text, the
// report stays readable: the first 200 bad lines are listed with the total after them,
// and the first 10 lines that do not convert get a message each, the rest one together.
bool DataTxtToCodeArr(const QStringList &lines, TBeenCodesRecArr &CodeArr, ParseReporter &reporter);

// Convenience for the batch tool and tests: decodes GBK bytes and splits them into lines
// (CR LF, LF or CR).
QStringList HistoryTextLines(const QByteArray &gbkBytes);
