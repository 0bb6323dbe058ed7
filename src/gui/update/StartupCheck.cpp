#include "gui/update/StartupCheck.h"

#include "net/WebFetch.h"
#include "core/update/SourceList.h"
#include "core/update/UpdateSettings.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>

TStartupCheck::TStartupCheck(const QString &dataFolder, QMenu *menu, QStatusBar *statusBar, QObject *parent)
    : QObject(parent), m_dataFolder(dataFolder)
{
    CheckAtStartAct = new QAction(QStringLiteral("启动时检查新开奖"), this);
    CheckAtStartAct->setObjectName(QStringLiteral("FileMenuCheckAtStart"));
    CheckAtStartAct->setCheckable(true);
    CheckAtStartAct->setStatusTip(QStringLiteral("程序启动后在后台检查有没有新开奖，有则在状态栏提示，确认后才保存"));
    CheckAtStartAct->setChecked(
        UpdateSettings::Load(QDir(m_dataFolder).filePath(QString::fromUtf16(kSettingsFileName))).checkAtStart);
    connect(CheckAtStartAct, &QAction::toggled, this, &TStartupCheck::setCheckAtStart);
    if (menu) {
        // Right after "在线更新" when the menu has it.
        const QList<QAction *> actions = menu->actions();
        QAction *before = nullptr;
        for (qsizetype i = 0; i + 1 < actions.size(); ++i)
            if (actions[i]->objectName() == QStringLiteral("FileMenuDown"))
                before = actions[i + 1];
        menu->insertAction(before, CheckAtStartAct);
    }

    NewDrawsBt = new QToolButton(statusBar);
    NewDrawsBt->setObjectName(QStringLiteral("NewDrawsBt"));
    NewDrawsBt->setAutoRaise(true);
    NewDrawsBt->setCursor(Qt::PointingHandCursor);
    NewDrawsBt->setStyleSheet(QStringLiteral("QToolButton { color: #0000cc; text-decoration: underline; }"));
    NewDrawsBt->hide();
    if (statusBar)
        statusBar->addWidget(NewDrawsBt);
    connect(NewDrawsBt, &QToolButton::clicked, this, [this] {
        NewDrawsBt->hide();
        emit reviewRequested(m_outcome);
    });
}

TStartupCheck::~TStartupCheck()
{
    if (m_thread) {
        // The fetch under way is cancelled; the thread ends at once. A local source that
        // never ends (a pipe) must not keep the program from closing: that thread is left
        // to the end of the process with what it shares.
        m_shared->stop = true;
        disconnect(m_thread, nullptr, this, nullptr);
        if (m_thread->wait(3000))
            delete m_thread;
    }
}

void TStartupCheck::setCheckAtStart(bool on)
{
    UpdateSettings settings;
    settings.checkAtStart = on;
    QString error;
    const QString path = QDir(m_dataFolder).filePath(QString::fromUtf16(kSettingsFileName));
    if (!settings.save(path, error)) {
        emit statusText(QStringLiteral("无法保存设置文件") + QDir::toNativeSeparators(path) + QStringLiteral("：") + error);
        return;
    }
    emit statusText(on ? QStringLiteral("下次启动时将在后台检查新开奖") : QStringLiteral("启动时不再检查新开奖"));
}

void TStartupCheck::start(const TBeenCodesRecArr &history)
{
    if (!CheckAtStartAct->isChecked() || m_thread)
        return;
    const UpdateSources sources =
        m_fixedSources ? *m_fixedSources
                       : LoadSourceList(QDir(m_dataFolder).filePath(QString::fromUtf16(kSourceListFileName))).sources;
    const UpdateRules rules = m_rules;
    const std::shared_ptr<Shared> shared = m_shared;
    m_thread = QThread::create([shared, history, sources, rules] {
        WebFetch web(rules);
        std::function<void()> cancel;
        WebFetchHooks hooks;
        hooks.started = [&cancel](const std::function<void()> &c) { cancel = c; };
        // The fetch runs an event loop of this thread: the timer reaches it there.
        QTimer stop;
        QObject::connect(&stop, &QTimer::timeout, [&shared, &cancel] {
            if (shared->stop && cancel)
                cancel();
        });
        stop.start(100);
        shared->outcome = RunUpdate(history, sources, [&](const UpdateSource &s) { return web.get(s, hooks); }, rules);
    });
    connect(m_thread, &QThread::finished, this, &TStartupCheck::done);
    m_thread->start(QThread::LowPriority);
}

void TStartupCheck::done()
{
    m_thread->deleteLater();
    m_thread = nullptr;
    m_outcome = m_shared->outcome;
    const QString note = StartupCheckNote(m_outcome);
    if (StartupCheckFoundDraws(m_outcome)) {
        NewDrawsBt->setText(note);
        NewDrawsBt->show();
    } else if (!note.isEmpty()) {
        emit statusText(note);
    }
    emit finished();
}
