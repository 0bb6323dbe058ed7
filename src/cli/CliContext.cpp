#include "CliContext.h"

#include "core/base/FileErrorText.h"
#include "core/history/HistoryParser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {
class StderrReporter : public ParseReporter
{
public:
    explicit StderrReporter(QTextStream &err) : m_err(err) {}
    void report(const QString &message) override
    {
        // The message box shows CR LF inside the text; a terminal wants plain LF.
        QString text = message;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m_err << text << '\n';
    }

private:
    QTextStream &m_err;
};
} // namespace

QString CliContext::historyPath() const
{
    return args.option(QStringLiteral("--history"),
                       QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ssq.dxt")));
}

bool CliContext::loadHistory(TBeenCodesRecArr &history)
{
    const QString path = historyPath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("无法打开开奖数据文件“%1”：%2").arg(QDir::toNativeSeparators(path), FileErrorReason(file)));
        return false;
    }
    StderrReporter reporter(err);
    history.clear();
    const bool ok = DataTxtToCodeArr(HistoryTextLines(file.readAll()), history, reporter);
    err.flush();
    return ok;
}

int CliContext::fail(const QString &message)
{
    err << message << '\n';
    err.flush();
    return CliFailed;
}

int CliContext::usage(const QString &message)
{
    err << message << '\n' << "usage: ssq-cli " << args.command << " ...; see ssq-cli --help\n";
    err.flush();
    return CliUsage;
}
