#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every file the program writes goes through here: the bytes go into a temporary file
// beside the target, which is renamed over the old file only when it is complete, so a
// full disk, a read-only folder or a crash half-way leaves the old file whole.

// Returns false and sets `error` to the system's reason when the file cannot be written.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString &error);

// The lines in GBK, each ended by CR LF, as the program's text files are. Answers false
// (and the 1-based number of the first offending line) when a line holds a character
// that GBK cannot store, so nothing is written with silent question marks.
bool GbkLinesBytes(const QStringList &lines, QByteArray &bytes, int *badLine = nullptr);

// The lines of a memo text as the memo holds them: a final line break does not start
// another line, and an empty text has no lines. Every memo's text (history, query,
// result, recommendation) is read into lines here.
QStringList MemoLines(const QString &memoText);

// "无法写入文件“PATH”：REASON！！"
QString CannotWriteMessage(const QString &path, const QString &reason);
