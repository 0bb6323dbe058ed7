#pragma once

// The condition file's section "[扩展设置]": what the condition set holds beyond the 104
// keys of "[条件设置]", kept apart so those keys and their bytes stay as they were and
// older files still load. It holds "容错" (the tolerance), "选号范围" (the admitted
// numbers as the grid's text, "1,2,3,5") and "选号匹配2" (the second list of
// chosen-number groups joined by "#"). Each key is written only when its setting is not
// the empty one, or when the file already carries the key (so an old value cannot stay),
// so a condition set without them writes the same bytes as before.
//
// Reading: a file without "容错" reads as tolerance 0. A file without "选号范围" or
// "选号匹配2" leaves the number range or list 2 as they are, as every older file did;
// the key present (also empty) sets them.

#include "core/reduction/ConditionSet.h"

class GbkIniFile;

inline constexpr char16_t kExtendedSection[] = u"扩展设置";
inline constexpr char16_t kToleranceKey[] = u"容错";
inline constexpr char16_t kNumberRangeKey[] = u"选号范围";
inline constexpr char16_t kGroupList2Key[] = u"选号匹配2";

void WriteExtendedSettings(GbkIniFile &ini, const ConditionSet &conditions);
// Throws SsqError when "容错" is no integer from 0 to 18, when "选号范围" holds a piece
// that names no number 1..33, or when a line of "选号匹配2" is no chosen-number group.
void ReadExtendedSettings(const GbkIniFile &ini, ConditionSet &conditions);
