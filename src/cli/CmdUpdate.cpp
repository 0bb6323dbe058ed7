#include "CliContext.h"

#include "core/history/HistoryFile.h"
#include "core/update/DrawDates.h"
#include "core/history/HistoryParser.h"
#include "core/update/SourceList.h"
#include "core/update/SourceReader.h"
#include "core/update/UpdateRun.h"
#include "net/WebFetch.h"

#include <QDir>
#include <QFileInfo>

int CmdUpdate(CliContext &ctx)
{
    if (!ctx.args.positional.isEmpty())
        return ctx.usage(QStringLiteral("update takes no arguments"));
    const QString path = ctx.historyPath();
    const TextFileRead read = ReadGbkTextFile(path);
    // No history yet: the update makes one.
    if (read.status == TextFileRead::Unreadable || read.status == TextFileRead::TooLarge)
        return ctx.fail(QStringLiteral("无法读取开奖数据文件“%1”：%2").arg(QDir::toNativeSeparators(path), read.error));
    TBeenCodesRecArr history;
    QStringList messages;
    if (!ParseHistoryQuietly(MemoLines(read.text), history, messages))
        return ctx.fail(messages.join(QLatin1Char('\n')).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    const SourceListRead list = LoadSourceList(QFileInfo(path).dir().filePath(QString::fromUtf16(kSourceListFileName)));
    UpdateSources sources = list.sources;
    if (ctx.args.options.contains(QStringLiteral("--source"))) {
        const QString wanted = ctx.args.option(QStringLiteral("--source"));
        QStringList names;
        UpdateSources chosen;
        for (const UpdateSource &s : sources) {
            names << s.name;
            if (s.name.compare(wanted, Qt::CaseInsensitive) == 0)
                chosen << s;
        }
        if (chosen.isEmpty())
            return ctx.usage(QStringLiteral("unknown source %1; the sources are: %2").arg(wanted, names.join(QLatin1Char(' '))));
        sources = chosen;
    }

    const UpdateRules rules;
    WebFetch web(rules);
    UpdateOutcome outcome = RunUpdate(history, sources, [&web](const UpdateSource &s) { return web.get(s); }, rules);
    outcome.notes = list.problems + outcome.notes;
    const QStringList lines = UpdateReportLines(outcome);
    if (!outcome.sourceRead())
        return ctx.fail(lines.join(QLatin1Char('\n')));
    for (const QString &line : lines)
        ctx.out << line << '\n';
    if (!outcome.hasNewDraws())
        return CliOk;
    ctx.out << "新增的开奖数据：\n";
    for (const SourceDraw &d : outcome.merge.added)
        ctx.out << DrawLine(d.draw) << '\n';
    if (ctx.args.flags.contains(QStringLiteral("--dry-run"))) {
        ctx.out << "试运行：没有写入文件\n";
        return CliOk;
    }
    QString error;
    if (!SaveHistoryFile(path, AppendDraws(read.text, outcome.merge.added), error))
        return ctx.fail(CannotWriteMessage(QDir::toNativeSeparators(path), error));
    if (!outcome.merge.dates.isEmpty()) {
        DrawDates dates = DrawDates::Load(DrawDatesFileFor(path));
        dates.add(outcome.merge.dates);
        dates.save(DrawDatesFileFor(path), error);
    }
    ctx.out << "已保存到" << QDir::toNativeSeparators(path) << '\n';
    return CliOk;
}
