#pragma once

#include "core/base/TextFile.h"
#include "core/history/HistoryParser.h"

#include <QString>
#include <QStringList>

// The history file "ssq.dxt" and the text files that are loaded into the history memo.
// Files are GBK text with CR LF line ends.

// The largest text file loaded into the history memo. The history of every draw since
// 2003 is about a hundred kilobytes; a file a hundred times larger is not a history, and
// loading hundreds of megabytes into the memo would stall the program for minutes.
inline constexpr qint64 kMaxHistoryTextBytes = 16 * 1024 * 1024;

struct TextFileRead
{
    enum Status { Ok, Missing, Unreadable, TooLarge };
    Status status = Missing;
    QString text;    // decoded, line ends normalised to "\n"
    QString error;   // the system's reason when Unreadable, the size when TooLarge
};

// Reads a text file whole: the program's files are GBK; one that a player's editor saved
// as UTF-8 is read as UTF-8 (DecodePlayerText), its byte-order mark left out. An empty
// file reads as Ok with an empty text; a file above `maxBytes` is not read at all
// (TooLarge).
TextFileRead ReadGbkTextFile(const QString &path, qint64 maxBytes = kMaxHistoryTextBytes);

// "文件大小为N MB，超过了开奖数据文件的上限16 MB" for a file that TooLarge refused.
QString TooLargeText(qint64 size, qint64 maxBytes = kMaxHistoryTextBytes);

// The bytes of the history file for a memo text: every line in GBK followed by CR LF
// (a character GBK cannot store becomes '?'; SaveHistoryFile refuses such a text).
QByteArray HistoryFileBytes(const QString &memoText);

// Writes the memo text to `path` so that the old file stays whole until the new one is
// complete: the text goes into a temporary file beside it, which is then renamed over
// the old one. A text with lines that LinesRefusedAtSave refuses is not written: `error`
// then lists them (SaveRefusalText). On failure returns false and sets `error` to that
// list, to the system's reason, or to "第N行“…”有GBK编码无法保存的字符…" when a line
// holds a character GBK cannot store; the old file is untouched.
bool SaveHistoryFile(const QString &path, const QString &memoText, QString &error);

// "文本内容中下列行的数据有错误，请纠正再保存！！" and the refused lines, one a line.
QString SaveRefusalText(const RefusedLines &refused);

// How many draws the history file at `path` holds, as the program would read it at
// start-up (0 for a missing or unreadable file).
qsizetype HistoryFileDrawCount(const QString &path);

// The question before an empty text is saved over a history file that holds `draws`
// draws, and its buttons (the last one cancels).
QString EmptySaveQuestion(const QString &historyPath, qsizetype draws);
QStringList EmptySaveButtons();

// The question before an imported file replaces the text of the editor, and its buttons.
QString ImportReplaceQuestion();
QStringList ImportReplaceButtons();

// What the player is told at start-up when the history file has lines that are no draws:
// the short note for the status bar, and the message that lists them and asks whether to
// go to the first one (with its buttons, the last one declines).
QString LeftOutLinesNote(const RefusedLines &leftOut, qsizetype draws);
QString LeftOutLinesQuestion(const QString &historyPath, const RefusedLines &leftOut, qsizetype draws);
QStringList LeftOutLinesButtons();

// The status note at start-up when the history file is missing: that the history is
// empty, and the folder where "保存数据" will put the file (an installed program keeps it
// in the user's data folder, which the player would not otherwise find).
QString MissingHistoryNote(const QString &historyPath);

// Whether the memo holds what the history file holds, line for line. A missing or
// unreadable file matches an empty memo only: the program asks rather than loses text,
// and never offers to write an empty memo over a file it could not read.
bool MemoMatchesHistoryFile(const QString &memoText, const QString &historyPath);

// The question before the program closes with a memo that differs from the file, and
// its buttons in order (the last one cancels).
QString UnsavedHistoryQuestion(const QString &historyPath);
QStringList UnsavedHistoryButtons();

// The question before "清空数据" empties a memo that holds text, and its buttons.
QString ClearHistoryQuestion();
QStringList ClearHistoryButtons();
