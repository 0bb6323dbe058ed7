#pragma once

// 旋转矩阵 over the numbers a player picks: the shipped table answers the common cases,
// the search the rest, and nothing is handed out before the exhaustive check passed.

#include "history/DrawRecord.h"
#include "wheel/WheelGuarantee.h"
#include "wheel/WheelSearch.h"

#include <QList>
#include <QStringList>
#include <optional>

class WheelTable;

struct ChosenWheel
{
    QList<int> numbers;        // the chosen reds, ascending
    WheelGuarantee guarantee;
    TCodeRedArrArr tickets;    // ascending within a ticket, tickets in lexicographic order
    std::int64_t allCount = 0; // C(n, 6): the tickets of the full 复式
    std::int64_t checked = 0;  // m-subsets the check went through (all of them)
    bool fromTable = false;
};

// The time the search gets when the table has no entry.
int WheelSearchBudgetMs(int n);

// Makes and checks the wheel. Throws SsqError with the message the player sees when the
// numbers are not 7..33 distinct reds, or (never expected) when no wheel passes the
// check. Answers nothing when cancelled through `control`. `table` is the shipped one
// unless given.
std::optional<ChosenWheel> MakeWheel(const QList<int> &numbers, const WheelGuarantee &guarantee,
                                     WheelControl *control = nullptr, const WheelTable *table = nullptr);

// The tickets as "01 02 03 04 05 06", one per line.
QStringList TicketLines(const TCodeRedArrArr &tickets);
// "共132注（全部组合924注）".
QString WheelCountLine(const ChosenWheel &wheel);
// "已验证：12个号码中任意5个开出（共792种情形），每种都有一注至少中其中5个（中5保5）".
QString WheelVerifiedLine(const ChosenWheel &wheel);
// What `ssq-cli wheel` prints: the tickets, the count line, the verification line.
QStringList WheelLines(const ChosenWheel &wheel);
