#pragma once

// The recommendation commands: cold, hot, must-appear and banker numbers, single tickets
// and multi-number tickets. Each one recomputes the statistics from the history it is
// given and returns the lines for the recommendation memo and the text for the status
// bar; the same history always gives the same output.

#include "core/code/Code.h"
#include "core/recommend/RecommendStats.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct TCodeList;

enum class RecommendKind { Cold, Hot, Must, Banker, Single, Multi23, Multi15, Multi12 };

inline constexpr std::array<RecommendKind, 8> kRecommendKinds{
    RecommendKind::Cold,   RecommendKind::Hot,     RecommendKind::Must,    RecommendKind::Banker,
    RecommendKind::Single, RecommendKind::Multi23, RecommendKind::Multi15, RecommendKind::Multi12};

struct RecommendOutput
{
    QStringList lines;    // the memo's new content
    QString completion;   // for the first panel of the status bar
};

// Runs one command over the history. Throws SsqError with kHistoryTooShortMessage when
// the history is shorter than the command's window (20 draws; 26 for the multi-number
// commands).
RecommendOutput RunRecommend(RecommendKind kind, const TBeenCodesRecArr &history);

// ---- the pick rule -------------------------------------------------------------------

// Pick i (i = 0, 1, ...) selects ranking position ((i * step + start) mod modulus) + 1;
// picks landing on one position select it once. Returns the selected positions ascending.
std::vector<int> PickPositions(int start, int step, int picks, int modulus);
// The start value of the next group.
constexpr int NextPickStart(int start) { return ((start + 3) % kRedNumbers) + 1; }

// ---- the single-ticket command --------------------------------------------------------

// The ticket counts of the three blocks of "单注推荐".
inline constexpr std::array<int, 3> TicketCounts{100, 200, 500};
// The cold set: the numbers at ranking positions 20 to 33.
RedMask ColdSet(const TRedRankArr &ranking);
// Flags the entries of `list` with 2, 3 or 4 of their reds in the cold set (one byte per
// entry) and returns their number.
int MarkEligible(const TCodeList &list, RedMask cold, std::vector<std::uint8_t> &eligible);
// The indices of the `tickets` combinations of one block. With step = eligible count div
// tickets, the first is the step-th eligible entry and each further one lies step - 1
// eligible entries after the one before. When there are fewer than twice as many
// eligible entries as tickets (step below 2) the first eligible entries are taken, each
// once. The walk stops at the end of the list, so a block may come out shorter.
std::vector<int> PickTickets(const std::vector<std::uint8_t> &eligible, int eligibleCount,
                             int tickets);

// ---- the batch tool ------------------------------------------------------------------

// "cold", "hot", "must", "banker", "single", "multi23", "multi15", "multi12".
std::optional<RecommendKind> RecommendKindFromName(const QString &name);
QString RecommendKindName(RecommendKind kind);

// The memo lines of the command named `cmd` for `ssq-cli recommend`. On failure `error`
// holds the text the desktop program would show (or, for an unknown name, says so) and
// false is returned.
bool RecommendCommandLines(const TBeenCodesRecArr &history, const QString &cmd,
                           QStringList &lines, QString &error);
