#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// One place the online update reads draws from, and the form its answer has.
struct UpdateSource
{
    enum Form {
        // The lottery operator's draw-notice interface: JSON {"state":0,"result":[{"code",
        // "date","red","blue"},...]}, newest draw first.
        DrawNotice,
        // A text or CSV table, one draw a line: issue, an optional date, six reds, the
        // blue, anything after that ignored; blanks, tabs or commas between the fields.
        DrawTable,
        // The history line form of "ssq.dxt" ("gx.txt" of the support site).
        HistoryLines,
    };

    QString name;      // the section name in the sources file ("cwl")
    QString title;     // what the player reads ("中国福利彩票网站开奖公告")
    Form form = DrawTable;
    QString address;   // http(s) address, or the path of a local file
    QString referer;   // sent as Referer when not empty

    bool isLocalFile() const;
    // The local file's path (a "file:" address or a plain path).
    QString localPath() const;
    // The server's name of a web address, for messages.
    QString host() const;
};

using UpdateSources = QList<UpdateSource>;

// The form's name in the sources file: "draw-notice", "table", "history".
QString FormName(UpdateSource::Form form);
bool FormFromName(const QString &name, UpdateSource::Form &form);

// The request headers every fetcher sends for a source. The operator's interface answers
// only requests that look like its own page's: a browser's User-Agent, the Referer of
// its results page and the Accept and X-Requested-With headers of its script.
QList<QPair<QByteArray, QByteArray>> RequestHeaders(const UpdateSource &source);
