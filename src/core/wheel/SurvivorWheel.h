#pragma once

// 缩水后旋转: tickets such that every survivor of a reduction shares at least t reds with
// one of them, so a draw among the survivors wins at least that tier on some ticket.

#include "core/reduction/CodeList.h"
#include "core/wheel/WheelSearch.h"

#include <QStringList>
#include <optional>

struct SurvivorWheel
{
    int t = 5;
    int survivors = 0;
    TCodeRedArrArr tickets;   // lexicographic order
};

// Covers the alive entries of `list` and checks every survivor against the tickets.
// Throws SsqError when t is not 3..5 or (never expected) the check fails; answers
// nothing when cancelled.
std::optional<SurvivorWheel> CoverSurvivors(const TCodeList &list, int t, WheelControl *control = nullptr);

// "缩水后旋转（保5）：缩水结果100000注，旋转后12345注"
QString SurvivorWheelCountLine(const SurvivorWheel &wheel);
// "已验证：100000注缩水结果每一注都有一注旋转号码至少含其中5个"
QString SurvivorWheelVerifiedLine(const SurvivorWheel &wheel);
// The tickets, the count line and the verification line.
QStringList SurvivorWheelLines(const SurvivorWheel &wheel);

// The wheel as a result list: every ticket alive, so the result commands work on it.
TCodeList WheelResultList(const TCodeRedArrArr &tickets);
