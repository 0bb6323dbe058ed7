#pragma once

#include "core/update/UpdateRun.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QStatusBar;
class QThread;
class QToolButton;

// The check for new draws when the program starts ("启动时检查新开奖", off until the player
// turns it on in the menu). It reads the sources on a thread of its own, so neither the
// start nor the window waits; when there are new draws a button in the status bar offers
// them ("发现3期新开奖，点击查看") and a click hands what was read to the online update,
// which shows the report and saves only when the player says so. Nothing pops up by
// itself; a failure is one line in the status bar.
class TStartupCheck : public QObject
{
    Q_OBJECT
public:
    // `dataFolder` holds "ssq.dxt", "sources.ini" and the settings file "ssq.ini".
    TStartupCheck(const QString &dataFolder, QMenu *menu, QStatusBar *statusBar, QObject *parent = nullptr);
    ~TStartupCheck() override;

    // Starts the check in the background when the player chose it; `history` as it is now.
    void start(const TBeenCodesRecArr &history);
    // For tests: instead of the sources file, and the limits.
    void setSources(const UpdateSources &sources) { m_fixedSources = sources; }
    void setRules(const UpdateRules &rules) { m_rules = rules; }

    QAction *CheckAtStartAct = nullptr;
    QToolButton *NewDrawsBt = nullptr;
    bool isChecking() const { return m_thread != nullptr; }

signals:
    // A line for the status bar (what the check found, or why it failed).
    void statusText(const QString &text);
    // The player clicked the offer: these are the sources as read.
    void reviewRequested(const UpdateOutcome &outcome);
    // The check has ended (tests).
    void finished();

private:
    void setCheckAtStart(bool on);
    void done();

    QString m_dataFolder;
    UpdateRules m_rules;
    std::optional<UpdateSources> m_fixedSources;
    // What the check's thread shares with the window; it outlives the window when a
    // source (a pipe named in sources.ini) keeps the thread waiting at exit.
    struct Shared
    {
        std::atomic<bool> stop{false};
        UpdateOutcome outcome;
    };
    QThread *m_thread = nullptr;
    std::shared_ptr<Shared> m_shared = std::make_shared<Shared>();
    UpdateOutcome m_outcome;
};
