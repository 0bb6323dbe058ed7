#pragma once

// 旋转矩阵 over the numbers a player picks: the shipped table answers the common cases,
// the search the rest, and nothing is handed out before the exhaustive check passed.

#include "core/history/DrawRecord.h"
#include "core/wheel/WheelGuarantee.h"
#include "core/wheel/WheelSearch.h"

#include <QList>
#include <QStringList>
#include <optional>

class WheelTable;

struct ChosenWheel
{
    QList<int> numbers;        // the chosen reds apart from the bankers, ascending
    QList<int> bankers;        // 胆码: on every ticket (none for a plain wheel)
    WheelGuarantee guarantee;
    TCodeRedArrArr tickets;    // ascending within a ticket, tickets in lexicographic order
    std::int64_t allCount = 0; // C(n, 6 - bankers): the tickets of the full 复式 (胆拖)
    std::int64_t checked = 0;  // cases the check went through (all of them)
    bool fromTable = false;    // the table's entry, or a larger one narrowed to these numbers
    bool complete = true;      // false: the search was cancelled and this is its best so far
};

// The moves the search makes when the table has no entry: a count, not a time, so that
// the same numbers give the same wheel on every run and every machine.
std::int64_t WheelSearchSteps(int n, const WheelGuarantee &guarantee, int ticketSize = 6);

// Why the bankers cannot go with the numbers and the guarantee ("" when they can): 1 to 3
// reds, not among the numbers, fewer than the guarantee's t (with b bankers drawn, t - b
// of the others must still be held).
QString WheelBankersProblem(const QList<int> &numbers, const QList<int> &bankers, const WheelGuarantee &guarantee);

// Makes and checks the wheel. Throws SsqError with the message the player sees when the
// numbers are not 7..33 distinct reds or the bankers do not fit, or (never expected) when
// no wheel passes the check. When cancelled through `control` it answers the best checked
// wheel so far, marked not complete, or nothing when there was none yet. `table` is the
// shipped one unless given.
std::optional<ChosenWheel> MakeWheel(const QList<int> &numbers, const WheelGuarantee &guarantee,
                                     const QList<int> &bankers = {}, WheelControl *control = nullptr,
                                     const WheelTable *table = nullptr);

// The tickets as "01 02 03 04 05 06", one per line.
QStringList TicketLines(const TCodeRedArrArr &tickets);
// "共132注（全部组合924注）".
QString WheelCountLine(const ChosenWheel &wheel);
// "已验证：12个号码中任意5个开出（共792种情形），每种都有一注至少中其中5个（中5保5）";
// with bankers "已验证：胆码01 02全部开出、其余10个号码中任意3个开出（共120种情形），…".
QString WheelVerifiedLine(const ChosenWheel &wheel);
// What `ssq-cli wheel` prints: the tickets, the count line, the verification line.
QStringList WheelLines(const ChosenWheel &wheel);
