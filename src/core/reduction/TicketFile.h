#pragma once

// Real tickets ("生成投注"): every survivor of the current result with each of the chosen
// blue numbers, one ticket a line as "01 02 03 04 05 06+07", at 2 元 a ticket. The file
// starts with one line that gives the count and the cost.

#include "core/reduction/ReductionEngine.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

inline constexpr int kTicketPrice = 2;                 // 元 a ticket
inline constexpr qint64 kTicketConfirmLimit = 10000;   // more tickets than this need a yes

struct TicketCount
{
    qint64 tickets = 0;
    qint64 cost = 0;
};

// The survivors times the blues.
TicketCount CountTickets(const TCodeList &result, const std::vector<int> &blues);

// "共n注，金额m元": the file's first line and what the panel shows before writing.
QString TicketSummary(const TicketCount &count);

// The file's bytes, GBK with CR LF: the summary, then the survivors in the result's
// order, each with the blues in the order given. Built as bytes, not as a list of texts:
// a million survivors with sixteen blues make 17 million lines.
QByteArray TicketFileBytes(const TCodeList &result, const std::vector<int> &blues);

// Writes the file through a temporary file and a rename; throws SsqError with the
// message that names the file when it cannot.
void WriteTicketFile(const QString &path, const TCodeList &result, const std::vector<int> &blues);
