#pragma once

// Prize statistics ("中奖统计"): what the survivors of a reduction would have won on a
// draw, bought with every red combination and each of a set of blue numbers.

#include "core/history/DrawRecord.h"
#include "core/reduction/ReductionEngine.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// One prize tier: the (reds matched, blue matched) pairs that win it and its fixed amount
// in 元; 0 means a floating prize (first and second prize), shown as a count only.
struct PrizeTier
{
    QString name;
    std::vector<std::pair<int, bool>> wins;
    int amount = 0;
};

// The prize table in force from one issue on. A change of the game's rules is one more
// row of PrizeRules(), never a change of code.
struct PrizeRule
{
    int effectiveFrom = 0;   // issue number, e.g. 2003001
    std::array<PrizeTier, 6> tiers;
};

const std::vector<PrizeRule> &PrizeRules();
// The rule in force for an issue: the last row whose effectiveFrom is not after it
// (the first row for an issue before every row).
const PrizeRule &PrizeRuleFor(int issueNo);

// The draw the survivors are checked against.
struct PrizeDraw
{
    TCodeRedArr reds{};
    int blue = 0;
    int issueNo = 0;   // 0 when typed in; the newest rule applies then
};

// Reads "r r r r r r+b" (reds in any order, separated by blanks or commas) or an issue of
// the history. Answers nothing and sets `error` (a Chinese message) when the text is
// neither six distinct reds 1..33 with a blue 1..16 nor an issue of the history.
std::optional<PrizeDraw> ParsePrizeDraw(const QString &text, const TBeenCodesRecArr &history, QString &error);

// Blue numbers as "1,2,16"; empty text means all sixteen. Answers nothing for a piece that
// is not a number 1..16.
std::optional<std::vector<int>> ParseBlueList(const QString &text, QString &error);

struct PrizeStats
{
    std::array<qint64, 7> redHits{};    // survivors by the number of reds matched
    std::array<qint64, 6> tierCounts{}; // tickets per tier
    const PrizeRule *rule = nullptr;
    qint64 tickets = 0;
    qint64 cost = 0;                    // 2 元 a ticket
    qint64 fixedTotal = 0;              // the fixed-prize tiers summed
};

PrizeStats ComputePrizeStats(const TCodeList &survivors, const PrizeDraw &draw, const std::vector<int> &blues);

// The batch tool's lines (tab-separated): 红球命中, 奖级, 投注, 固定奖金.
QStringList PrizeStatLines(const PrizeStats &stats);
