#pragma once

#include "core/history/DrawRecord.h"

#include <QMap>
#include <QString>

// The dates of the draws, as far as a source gave them. The history line has no place
// for a date and its form must not change, so the dates live in a small side file beside
// the history: "ssq-dates.txt" for "ssq.dxt", one line "2026096 2026-08-18" a draw.
class DrawDates
{
public:
    static DrawDates Load(const QString &path);
    static DrawDates Parse(const QByteArray &bytes);

    QString dateOf(int issueNo) const { return m_dates.value(issueNo); }
    void add(const QMap<int, QString> &dates);
    bool isEmpty() const { return m_dates.isEmpty(); }
    QByteArray bytes() const;
    bool save(const QString &path, QString &error) const;

private:
    QMap<int, QString> m_dates;
};

// "ssq.dxt" -> "ssq-dates.txt" in the same folder.
QString DrawDatesFileFor(const QString &historyFile);

// "第2026095期（2026-08-16）", without the date when it is not known; empty for no draws.
QString NewestDrawText(const TBeenCodesRecArr &CodeArr, const DrawDates &dates);
