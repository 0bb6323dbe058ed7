#pragma once

#include "core/history/DrawRecord.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <QTextStream>

// Exit statuses of the batch tool.
enum CliExit { CliOk = 0, CliFailed = 1, CliUsage = 2 };

// The parsed command line: positional words, options with a value, bare flags.
struct CliArgs
{
    QString command;
    QStringList positional;
    QMap<QString, QString> options;
    QSet<QString> flags;

    QString option(const QString &name, const QString &fallback = {}) const
    {
        return options.value(name, fallback);
    }
};

class CliContext
{
public:
    CliContext(CliArgs args, QTextStream &out, QTextStream &err)
        : args(std::move(args)), out(out), err(err) {}

    // Reads and parses the history (--history, or "ssq.dxt" beside the executable).
    // On failure the parser's or the file's message is already on standard error.
    bool loadHistory(TBeenCodesRecArr &history);
    // The history file's path: --history, or "ssq.dxt" beside the executable.
    QString historyPath() const;

    // Prints the message exactly as the desktop program would show it; returns CliFailed.
    int fail(const QString &message);
    int usage(const QString &message);

    CliArgs args;
    QTextStream &out;
    QTextStream &err;
};

// One command of the tool: checks its own arguments, prints, and returns an exit status.
using CliCommand = int (*)(CliContext &);

struct CliCommandInfo
{
    const char *name;
    const char *synopsis;
    CliCommand run;
    QSet<QString> valueOptions; // options that take a value
    QSet<QString> flagOptions;  // options without a value
};

const QList<CliCommandInfo> &CliCommands();

int CmdCheck(CliContext &ctx);
int CmdQuery(CliContext &ctx);
int CmdReduce(CliContext &ctx);
int CmdBackTest(CliContext &ctx);
int CmdPrizes(CliContext &ctx);
int CmdRecommend(CliContext &ctx);
int CmdChart(CliContext &ctx);
int CmdUpdate(CliContext &ctx);
int CmdWheel(CliContext &ctx);
// True when --wheel names a level the survivor wheel offers (3, 4 or 5).
bool CliWheelLevelValid(const CliArgs &args);
