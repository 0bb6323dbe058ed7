#pragma once

// The condition file's section "[扩展设置]": the settings that came after the 104 keys of
// "[条件设置]", so those keys and their bytes stay as they were and older files still
// load. Today it holds "容错" (the tolerance). A file without the section or the key
// reads as tolerance 0, and a tolerance of 0 adds nothing to a file that has no such
// key, so a condition set without extended settings writes the same bytes as before.

#include "reduction/ConditionSet.h"

class GbkIniFile;

inline constexpr char16_t kExtendedSection[] = u"扩展设置";
inline constexpr char16_t kToleranceKey[] = u"容错";

void WriteExtendedSettings(GbkIniFile &ini, const ConditionSet &conditions);
// Throws SsqError when "容错" is no integer from 0 to 18.
void ReadExtendedSettings(const GbkIniFile &ini, ConditionSet &conditions);
