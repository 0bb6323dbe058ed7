#pragma once

// Chosen-number groups: the text form of a group line ("01,08,09&1,2": the numbers, "&",
// the allowed match counts) and its check. A group line is free text typed by the user
// or read from a condition file, so every line is checked before a reduction starts: a
// bad line stops the run before anything changes, with a message that names the list
// and the line.

#include "core/code/Code.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

struct ChosenGroup
{
    RedMask numbers = 0;        // bit n = red number n belongs to the group
    std::uint32_t counts = 0;   // bit k = a combination with k of the numbers passes

    bool admits(RedMask combination) const
    {
        return (counts >> CodeMask::count(combination & numbers)) & 1U;
    }
    friend bool operator==(const ChosenGroup &, const ChosenGroup &) = default;
};

// Parses one line. On failure answers nothing and, when `problem` is given, says why
// (a Chinese clause such as "号码40不在1-33之间").
std::optional<ChosenGroup> ParseGroupLine(const QString &line, QString *problem = nullptr);

// Parses every line of list 1 or 2 in order; the first bad line throws SsqError with
// "选号匹配列表<n>的第<row>行“<line>”有错误：<problem>！！".
std::vector<ChosenGroup> ParseGroupList(const QStringList &lines, int listNo);

// "增加" with no match count checked adds nothing and says so.
inline constexpr char16_t kNoMatchCountMessage[] = u"请选择最少一个号码数目！！";

// A line as "增加" builds it: the number field's numbers joined by "," (as typed, see
// TypedNumbers.h; a text that reads as no numbers unchanged), "&", the checked counts.
QString MakeGroupLine(const QString &numberText, const QString &countText);

// What "增加" tells the user before it adds a line the reduction could not read: an
// empty number field asks for numbers, any other fault names the field's text and the
// fault. Empty when the line is good.
QString GroupEntryProblem(const QString &numberText, const QString &countText);

// Loading a line back into an editor: the text before the first "&" and the text after
// it (trimmed). A line without "&" gives its whole text as the number part.
void SplitGroupLine(const QString &line, QString &numberPart, QString &countPart);

// The condition file's and the batch tool's form of a whole list: the lines joined by
// "#"; reading splits at "#" and drops empty pieces.
QString GroupLinesToText(const QStringList &lines);
QStringList GroupLinesFromText(const QString &text);
