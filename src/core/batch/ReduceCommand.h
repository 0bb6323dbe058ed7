#pragma once

// Everything behind `ssq-cli reduce`: the same conditions, engine, report and export as
// the reduction panel, without a widget.

#include "core/history/DrawRecord.h"
#include "core/reduction/ReductionEngine.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

struct ReduceOptions
{
    QString conditionsFile;              // --conditions: imported as "条件导入" does
    std::optional<QString> range;        // --range "1,2,3": the checked numbers of the number range
    std::optional<QString> groups1;      // --groups1 lines joined by "#": replaces list 1
    std::optional<QString> groups2;      // --groups2: replaces list 2
    QString exportFile;                  // --export: the file "导出结果" writes
    bool stats = false;                  // --stats: one line per stage after the report
    std::optional<int> tolerance;        // --tolerance K: 容错, over the condition file's
    QString baseFile;                    // --base: the imported base (大底)
    std::optional<QString> blues;        // --blues "1,2,16" for --tickets (default: all sixteen)
    QString ticketsFile;                 // --tickets: the file "生成投注" writes
    int wheel = 0;                       // --wheel T (3..5): the survivor wheel after it all
};

// The conditions of a batch run: the defaults of "清除条件", then the condition file,
// the range and the group lists. Throws SsqError (unreadable file, bad range value).
ConditionSet ReduceConditions(const ReduceOptions &options);

// One whole reduction. Answers the lines to print: the report exactly as the result memo
// holds it, then with --stats the lines "STAGE\tactive|inactive\tREMOVED\tLEFT" (with a
// tolerance a fifth column: how many combinations of the base fail the stage), then with
// --tickets the line "投注\tTICKETS\tCOST", then with --wheel the tickets that cover the
// survivors, their count and the check.
// Throws SsqError with the message the desktop program would show (a malformed
// chosen-number group, an unreadable condition file, an export that cannot be written).
QStringList RunReduceCommand(const TBeenCodesRecArr &history, const ReduceOptions &options,
                             const QDateTime &now = QDateTime::currentDateTime());

// The --stats lines of a run.
QStringList StageStatLines(const StageOutcomes &stages, int tolerance = 0);
