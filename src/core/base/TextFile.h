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

// How a text a player gives the program is decoded: a modern editor saves UTF-8 (often
// with a byte-order mark), an old one the system's GBK. Bytes that are valid UTF-8 (plain
// ASCII too), after a byte-order mark if there is one, are UTF-8; anything else is GBK.
enum class TextEncoding { Gbk, Utf8 };
TextEncoding PlayerTextEncoding(const QByteArray &bytes);
// The bytes without a UTF-8 byte-order mark, when they start with one.
QByteArray WithoutUtf8Bom(const QByteArray &bytes);
// The text of the bytes by that rule; a byte-order mark is not part of the text.
QString DecodePlayerText(const QByteArray &bytes);

// "无法写入文件“PATH”：REASON！！"
QString CannotWriteMessage(const QString &path, const QString &reason);
