#pragma once

#include "core/update/UpdateSource.h"

#include <QStringList>

// The list of sources of the online update. It lives in "sources.ini" in the data folder
// beside "ssq.dxt", so a player can add a source of a known form, or a local file,
// without a new program; without that file the built-in list below is used.
//
//   [cwl]
//   title=中国福利彩票网站开奖公告
//   form=draw-notice            ; draw-notice | table | history
//   url=https://...             ; or a local file: file:///..., /path, or a name beside the list
//   referer=https://...         ; optional
//
// Sections are tried in the order of the file. The file is UTF-8 or GBK.
inline constexpr char16_t kSourceListFileName[] = u"sources.ini";

// The built-in list: the operator's draw-notice interface and a public plain-text copy of
// every draw kept up to date by a results site.
UpdateSources DefaultSources();

struct SourceListRead
{
    UpdateSources sources;
    QStringList problems;   // "sources.ini 第5行：……", one per line that was not understood
    bool fromFile = false;  // false: the built-in list (no file, or no usable source in it)
};

// Reads the sources file's bytes. Relative local paths are taken from `baseDir`.
SourceListRead ParseSourceList(const QByteArray &bytes, const QString &baseDir);
// Reads `path`; a missing file gives the built-in list.
SourceListRead LoadSourceList(const QString &path);
