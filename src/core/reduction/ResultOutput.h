#pragma once

// The result commands' logic: the export file ("导出结果"), the lines that "打印结果"
// prints, and the prize check's search ("结果兑奖", FindInMemo).

#include "core/reduction/ReductionEngine.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// "缩水结果有<n>注号码" and then every survivor, five to a line, and one empty line;
// not limited to the 20000 combinations the memo lists.
QStringList ExportLines(const TCodeList &list);
// The file's bytes: the lines in GBK, each ended by CR LF.
QByteArray ExportFileBytes(const TCodeList &list);
// Writes the file through a temporary file and a rename; throws SsqError when it fails
// (the old file then stays as it was).
void ExportResultFile(const QString &path, const TCodeList &list);

// "打印结果" hands the memo's lines unchanged (MemoLines of base/TextFile.h) to the
// print routine with this title and font size.
inline constexpr char16_t kResultPrintTitle[] = u"晨帆选号通 ";
inline constexpr int kResultPrintFontSize = 12;

// The prize check's search over the memo's whole text: an exact, case-sensitive
// substring search from the start (header lines included).
struct FindOutcome
{
    bool searched = false;   // false for an empty text: nothing happens at all
    bool found = false;
    qsizetype start = -1;    // 0-based character position of the selection
    qsizetype length = 0;
    QString status;          // the text of the first status bar panel
};
FindOutcome FindInMemo(const QString &memoText, const QString &text);

// "打印结果" of more than 20000 survivors, when the player asked for every one: the
// memo's lines with the line that says they are not listed replaced by the survivors,
// five to a line (the memo unchanged when it has no such line: it lists them itself).
QStringList PrintAllLines(const QStringList &memoLines, const TCodeList &list);

inline constexpr char16_t kPrizeCheckCaption[] = u"输入开奖号码";

// The prize check over the result itself, not over the memo (which lists no combination
// beyond 20000 survivors): only a draw typed as six distinct reds 1..33 (any order, the
// separators of TypedNumbers.h, a "+blue" after them is ignored) is looked for among the
// survivors. Any other text (five reds, a fragment of two tickets, a word of the header)
// is no draw: `valid` is false and `status` asks for six reds.
struct ResultSearch
{
    bool valid = false;
    TCodeRedArr reds{};      // ascending
    bool found = false;
    int position = 0;        // 1-based among the survivors in the result's order
    QString status;          // the text of the first status bar panel, or the request
};
ResultSearch FindInResult(const TCodeList &list, const QString &text);

// The message of a command that needs survivors when it finds none: before the first
// reduction it asks for one, after a run that left nothing it says the result is empty.
// Empty when there are survivors. `what` names the command ("生成投注").
QString NoSurvivorsMessage(const TCodeList &list, const QString &what);
