#pragma once

#include "history/UpdateRules.h"

#include <QObject>
#include <QString>
#include <QUrl>

class QWidget;

// Fetches a URL into a local file for the online update. The call returns only when the
// download has ended, but it keeps the program's windows painting meanwhile and shows a
// modal progress dialog with a cancel button. The download fails on any network or HTTP
// error, after the time-out, when the file would exceed the size limit, and when the user
// cancels; the local file is then left untouched.
class THistoryDownloader : public QObject
{
    Q_OBJECT
public:
    explicit THistoryDownloader(QWidget *dialogParent, QObject *parent = nullptr);

    void setRules(const UpdateRules &rules) { m_rules = rules; }
    const UpdateRules &rules() const { return m_rules; }

    // True when the whole file now stands as localFile. On failure `error` tells why.
    bool download(const QUrl &url, const QString &localFile, QString &error);

    bool isRunning() const { return m_running; }

private:
    QWidget *m_dialogParent;
    UpdateRules m_rules;
    bool m_running = false;
};
