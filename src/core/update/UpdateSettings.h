#pragma once

#include <QString>

// The player's choices about the online update, kept in "ssq.ini" beside "ssq.dxt":
//
//   [在线更新]
//   启动时检查新开奖=1
//
// GBK like every file of the program; lines it does not know are kept as they are.
inline constexpr char16_t kSettingsFileName[] = u"ssq.ini";

struct UpdateSettings
{
    bool checkAtStart = false;   // off until the player turns it on

    // A missing or unreadable file gives the defaults.
    static UpdateSettings Load(const QString &path);
    bool save(const QString &path, QString &error) const;
};
