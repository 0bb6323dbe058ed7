#pragma once

#include <QString>
#include <QStringList>

// The history file "ssq.dxt" and the text files that are loaded into the history memo.
// Files are GBK text with CR LF line ends.

struct TextFileRead
{
    enum Status { Ok, Missing, Unreadable };
    Status status = Missing;
    QString text;    // decoded, line ends normalised to "\n"
    QString error;   // the system's reason when Unreadable
};

// Reads a GBK text file whole. An empty file reads as Ok with an empty text.
TextFileRead ReadGbkTextFile(const QString &path);

// The lines of a memo text as the memo holds them: a final line break does not start
// another line, and an empty text has no lines.
QStringList MemoLines(const QString &memoText);

// The bytes of the history file for a memo text: every line in GBK followed by CR LF.
QByteArray HistoryFileBytes(const QString &memoText);

// Writes the memo text to `path` so that the old file stays whole until the new one is
// complete: the text goes into a temporary file beside it, which is then renamed over
// the old one. On failure returns false and sets `error` to the system's reason; the
// old file is untouched.
bool SaveHistoryFile(const QString &path, const QString &memoText, QString &error);
