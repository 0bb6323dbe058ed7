#pragma once

#include <QString>

// Names and version texts of the program, in one place so that the caption, the about
// box and the built-in page always agree. The program has no site of its own ("网站支持"
// shows its built-in page, see SupportPage.h).
namespace AppInfo {

inline constexpr char16_t kProgramName[] = u"晨帆选号通";
inline constexpr char16_t kVersion[] = u"2005";
inline constexpr char16_t kVersionText[] = u"发行版本:2005";
inline constexpr char16_t kDateText[] = u"发行日期:2005年04月28日";

// Files beside the executable.
inline constexpr char16_t kHistoryFileName[] = u"ssq.dxt";
inline constexpr char16_t kHelpFileName[] = u"readme.txt";

// The main window's caption: the program and its version, "晨帆选号通 2005版".
inline QString mainCaption()
{
    return QString::fromUtf16(kProgramName) + QLatin1Char(' ') + QString::fromUtf16(kVersion)
           + QStringLiteral("版");
}

} // namespace AppInfo
