#pragma once

#include "core/history/DrawRecord.h"

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

// Parses history lines as the data panel does, collecting the parser's messages instead of
// showing them: the online update must know whether the text it merges into is a history.
bool ParseHistoryQuietly(const QStringList &lines, TBeenCodesRecArr &history, QStringList &messages);

// Decodes the bytes of a history file (GBK, or UTF-8 when a player's editor saved it so;
// a byte-order mark is not part of the first line) and splits them into lines (CR LF, LF
// or CR).
QStringList HistoryTextLines(const QByteArray &bytes);

// A line of the history text that is not a draw, or not one that can stand where it does.
struct RefusedLine
{
    int lineNo = 0;     // 1-based among all lines of the text, blank ones counted, as the
                        // editor's caret read-out counts them
    QString text;
    QString reason;     // "蓝球号码应在01～16之间"

    friend bool operator==(const RefusedLine &, const RefusedLine &) = default;
};
using RefusedLines = QList<RefusedLine>;

// What the program reads from a history file at start-up: every line the parser accepts
// becomes a draw, in the order of the lines, and every other non-blank line is left out,
// so one bad line never costs the history. A left-out line leaves no hole of its own: the
// draws after it simply follow the draw before it.
struct HistoryReading
{
    TBeenCodesRecArr draws;
    RefusedLines leftOut;
};
HistoryReading ReadHistoryKeepingGoodLines(const QStringList &lines);

// The lines of a text that must not be saved as the history: every line the parser refuses
// and every draw that cannot exist where it stands: a red written twice, an issue that an
// earlier line has, an issue that is not after the one of the line before, or one that
// leaves out issues in between (the next draw of the same year, or draw 001 of the next
// year, is what follows a draw; the charts count draws and would mislead over a hole).
// The order checks compare with the nearest good line above; a refused line of the wrong
// form starts them afresh, so one mistyped line is not listed twice.
RefusedLines LinesRefusedAtSave(const QStringList &lines);

// "第3行“2026098 01 02 03 04 05 06 17”：蓝球号码应在01～16之间", one line each; the first 20
// lines are listed, then how many there are in all.
QString RefusedLinesText(const RefusedLines &lines);

// The issues missing between two draws (issue numbers such as 2005013), or empty when
// `next` follows `previous` without a gap: "缺少第2005014期", "缺少第2005014–2005016期".
QString MissingIssuesText(int previous, int next);
