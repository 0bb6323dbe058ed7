#pragma once

// The imported base (大底): a list of combinations that a reduction runs over instead of
// all 1,107,568. It is read from the result export's file ("缩水结果有n注号码", then five
// combinations to a line) or from a file with one combination per line: six numbers 1..33
// separated by blanks, commas or tabs, in any order, written with one digit or two.

#include "core/history/DrawRecord.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

struct BaseImport
{
    TCodeRedArrArr codes;         // ascending within each, lexicographic order, each once
    std::vector<int> badLines;    // 1-based numbers of the lines that are no combinations
};

// Reads the file's text (UTF-8 when it is valid UTF-8, else GBK). Empty lines and the
// export's count line are skipped; a line holds one or more combinations, its numbers
// taken six at a time.
BaseImport ParseBaseText(const QByteArray &bytes);

// The file on disk: the combinations, or nothing with `error` set to the message that
// names the file and lists the bad lines (or says the file holds no combination).
std::optional<TCodeRedArrArr> ReadBaseFile(const QString &path, QString &error);

// "大底：全部1107568注" or "大底：已导入n注" for the panel's note.
QString BaseNote(const TCodeRedArrArr *base);
