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

using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

// The request headers every fetcher sends for a source. The operator's interface answers
// only requests that look like its own page's: a browser's User-Agent and language, the
// Referer of its results page and the Accept and X-Requested-With headers of its script.
HttpHeaders RequestHeaders(const UpdateSource &source);
// The headers of a browser opening a source's results page (its `referer`). The site hands
// its cookie to such a visit; the data is asked for afterwards with the same cookies.
HttpHeaders PageRequestHeaders();

// The draw-notice interface pages its answer ("pageNo", "pageSize") and lists the newest
// "issueCount" draws. The page size the address asks for; 0 when it does not page.
int PageSize(const UpdateSource &source);
// The source asking for page `pageNo` of the newest `issueCount` draws; parameters the
// address does not have are left out.
UpdateSource PageOf(const UpdateSource &source, int pageNo, int issueCount);
