#pragma once

#include <QString>

// Names, version texts and addresses of the program, in one place so that the caption,
// the about box, the web panel and the online update always agree.
namespace AppInfo {

// The support site. A reserved ".example" name: it must never lead to somebody else's
// site. Every web command and the online update derive their address from it.
inline constexpr char16_t kSupportSite[] = u"http://www.mingchuan.example";
inline constexpr char16_t kSupportSiteName[] = u"明川网";

inline constexpr char16_t kProgramName[] = u"晨帆选号通";
inline constexpr char16_t kProgramVersion[] = u"V2005";
inline constexpr char16_t kVersionText[] = u"发行版本:2005";
inline constexpr char16_t kDateText[] = u"发行日期:2005年04月28日";

// Files beside the executable.
inline constexpr char16_t kHistoryFileName[] = u"ssq.dxt";
inline constexpr char16_t kHelpFileName[] = u"readme.txt";
inline constexpr char16_t kUpdatePath[] = u"/gx.txt";

// "晨帆选号通   V2005  技术支持: 明川网http://www.mingchuan.example"
inline QString mainCaption()
{
    return QString::fromUtf16(kProgramName) + QStringLiteral("   ")
           + QString::fromUtf16(kProgramVersion) + QStringLiteral("  技术支持: ")
           + QString::fromUtf16(kSupportSiteName)
           + QString::fromUtf16(kSupportSite);
}

inline QString supportSite() { return QString::fromUtf16(kSupportSite); }
inline QString supportHomePage() { return supportSite() + QLatin1Char('/'); }
inline QString updateAddress() { return supportSite() + QString::fromUtf16(kUpdatePath); }

} // namespace AppInfo
