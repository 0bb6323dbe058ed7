#pragma once

// The condition file ("条件导出" / "条件导入"): an INI file in GBK with the section
// "条件设置" and its 104 keys (the first list of chosen-number groups, every flag of the
// check lists of the tab "条件缩水" and the four ranges) and the section "扩展设置"
// (ExtendedSettings.h: the tolerance, the number range and the second group list, each
// only when set). The match-count boxes are not carried: an import leaves them.

#include "core/reduction/ConditionSet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

inline constexpr char16_t kConditionSection[] = u"条件设置";

// The file's new content: `existing` is what the file holds now (empty for a new file);
// its other sections and keys are kept, the condition keys replaced where they stand.
QByteArray ConditionsToIni(const ConditionSet &conditions, const QByteArray &existing = {});

// Reads the keys in order into `conditions`: the group list is replaced, every flag
// overwritten (absent or empty: unchecked), a range only when its value is not empty.
// All or nothing: the whole file is read and checked before `conditions` changes. A file
// that is not text (GBK, or UTF-8 with or without byte-order mark), one without the
// section "条件设置", a flag or range piece that is no integer, or a chosen-number group
// line the reduction could not read throws SsqError with a Chinese message that names
// `fileName`, the key and the value, and leaves `conditions` as it was.
void ApplyConditionIni(const QByteArray &ini, ConditionSet &conditions, const QString &fileName = {});

// The file on disk. Export writes a temporary file and renames it over the old one, so a
// failed write leaves the old file as it was. Both throw SsqError with a Chinese message
// when the file cannot be read or written; the import also when ApplyConditionIni refuses
// the file, and then `conditions` is unchanged.
// `replace` writes a new file whatever `path` holds now; without it the conditions are
// written into the existing file (its other sections stay), and a file that has content
// but is no condition file is refused with SsqError: it is never appended to.
void ExportConditionFile(const QString &path, const ConditionSet &conditions, bool replace = false);
void ImportConditionFile(const QString &path, ConditionSet &conditions);

// What an export would write into: nothing yet, a condition file (or an empty file), or
// a file with other content that the export would have to replace.
enum class ExportTarget { NewFile, ConditionFile, OtherFile };
ExportTarget ExportTargetOf(const QString &path);

// The main window's caption after an export or import: the program's caption, " - " and
// the file's name without its folder ("晨帆选号通 2005版 - 条件.ini").
QString ConditionFileCaption(const QString &path);
