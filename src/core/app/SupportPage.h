#pragma once

#include "core/history/DrawRecord.h"
#include "core/update/DrawDates.h"
#include "core/update/UpdateSource.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

// What "网站支持" shows. The program has no site of its own: it shows its built-in page
// (what the program does and where the guide is, the history and where its file lies,
// the sources of the online update, the version), unless the player has named a site of
// his own in "website.txt" beside "ssq.dxt".

inline constexpr char16_t kWebsiteFileName[] = u"website.txt";

// The player's site in the text of "website.txt": its first line that is neither blank
// nor a comment (";" or "#"), when that is an http or https address; an empty URL
// otherwise. The text is UTF-8 or GBK.
QUrl PlayerSiteFromText(const QByteArray &bytes);
// Reads the file; a missing or unreadable file names no site.
QUrl LoadPlayerSite(const QString &path);

// Everything the built-in page tells.
struct SupportPageFacts
{
    const TBeenCodesRecArr *CodeArr = nullptr;
    DrawDates dates;
    QString historyFile;   // the full path of "ssq.dxt"
    QString helpFile;      // the full path of "readme.txt"
    UpdateSources sources; // what the online update tries, in order
    QUrl unreachableSite;  // the player's site when it could not be reached
};

QString SupportPageHtml(const SupportPageFacts &facts);
