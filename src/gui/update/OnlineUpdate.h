#pragma once

#include "core/update/UpdateRules.h"
#include "core/update/UpdateRun.h"

#include <QMap>
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
class WebFetch;

// The online update of the desktop program: reads the sources with a progress window
// that can be cancelled, merges their draws into the history text of the data panel and
// shows the result. It changes nothing itself; the new text is handed back only when the
// player has chosen to save it.
class TOnlineUpdate : public QObject
{
    Q_OBJECT
public:
    explicit TOnlineUpdate(QWidget *dialogParent, QObject *parent = nullptr);

    void setRules(const UpdateRules &rules) { m_rules = rules; }
    const UpdateRules &rules() const { return m_rules; }
    // "sources.ini"; read anew at each update, so an edited file counts at once.
    void setSourceListFile(const QString &path) { m_sourceListFile = path; }
    // A fixed list instead of the file (tests).
    void setSources(const UpdateSources &sources) { m_fixedSources = sources; }
    UpdateSources sources(QStringList *problems = nullptr) const;

    // Shows the report and asks to save; tests replace it. True: save.
    using Confirm = std::function<bool(const QStringList &reportLines, const QString &warning)>;
    void setConfirm(Confirm confirm) { m_confirm = std::move(confirm); }

    struct Accepted
    {
        QString text;                // the history text with the new draws after it
        QString headline;            // "新增45期（2026096–2026140）"
        int added = 0;
        QMap<int, QString> dates;    // for the dates file
    };
    // `memoText` is the data panel's text, `memoUnsaved` whether it differs from the file.
    // Messages of failures and of "nothing new" are shown here; nullopt then.
    // `alreadyRead`: the sources were read before (the check at start); they are merged
    // into the memo's text as it is now, without reading them again.
    std::optional<Accepted> Run(const QString &memoText, bool memoUnsaved, const UpdateOutcome *alreadyRead = nullptr);

signals:
    void statusText(const QString &text);

private:
    FetchResult fetch(WebFetch &web, const UpdateSource &source);

    QWidget *m_dialogParent;
    UpdateRules m_rules;
    QString m_sourceListFile;
    std::optional<UpdateSources> m_fixedSources;
    Confirm m_confirm;
    bool m_running = false;
};
