#include "core/history/HistoryParser.h"

#include "core/base/TextFile.h"
#include "core/code/Code.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringEncoder>

namespace {

bool isBlankLine(const QString &line)
{
    for (QChar c : line)
        if (c.unicode() > 32)
            return false;
    return true;
}

// Field widths are counted in bytes of the GBK text, so a Chinese character counts as two.
qsizetype gbkWidth(const QString &field)
{
    bool ascii = true;
    for (QChar c : field)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return field.size();
    QStringEncoder gbk("GBK");
    return QByteArray(gbk.encode(field)).size();
}

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Only ASCII digits make a number; a sign, a blank or a full-width digit does not.
bool toNumber(QStringView text, int &value)
{
    if (!allDigits(text))
        return false;
    value = 0;
    for (QChar c : text)
        value = value * 10 + (c.unicode() - '0');
    return true;
}

// Each message is a modal box in the desktop program: a file of garbage must not bury the
// user under a box per line or one box taller than the screen.
constexpr int kListedBadLines = 200;
constexpr qsizetype kReportedConversions = 10;

// Why the fields of a line are no history line; empty when they are, and when a field of
// the right width holds another character than a digit, which the conversion reports.
QString formProblem(const QStringList &fields)
{
    const QString wrongForm = QStringLiteral("格式不对，应为7位期号、6个红球和1个蓝球，号码各占两位，以空格分隔");
    if (fields.size() < 8 || gbkWidth(fields[0]) != 7)
        return wrongForm;
    for (int j = 1; j <= 7; ++j)
        if (gbkWidth(fields[j]) != 2)
            return wrongForm;

    // A line of digits that names a ball outside the game would later index the 33-
    // and 16-entry tables of the charts and statistics: it is a bad line like a
    // misshapen one. A field with another character is left to the conversion step.
    for (int j = 0; j <= 7; ++j)
        if (!allDigits(fields[j]))
            return {};
    int value = 0;
    toNumber(QStringView(fields[0]).mid(4, 3), value);
    if (value == 0)
        return QStringLiteral("期号的期数不能为000");
    for (int j = 1; j <= 6; ++j) {
        toNumber(fields[j], value);
        if (value < 1 || value > 33)
            return QStringLiteral("红球号码应在01～33之间");
    }
    toNumber(fields[7], value);
    return value >= 1 && value <= 16 ? QString() : QStringLiteral("蓝球号码应在01～16之间");
}

// Fills the record field by field; stops at the first field that is not a number, with
// the fields converted so far set and the rest zero.
bool convertLine(const QStringList &fields, DrawRecord &record)
{
    record = DrawRecord{};
    const QStringView issue(fields[0]);
    if (!toNumber(issue.left(4), record.Year) || !toNumber(issue.mid(4, 3), record.No))
        return false;
    for (int j = 1; j <= 6; ++j) {
        int red = 0;
        if (!toNumber(fields[j], red))
            return false;
        record.Red[j - 1] = std::int8_t(red);
    }
    return toNumber(fields[7], record.Blue);
}

const QString kBlank = QStringLiteral(" ");

// A UTF-8 byte-order mark that an editor put before the first line is no part of it.
QString lineText(const QStringList &lines, qsizetype i)
{
    if (i == 0 && lines[0].startsWith(QChar(0xFEFF)))
        return lines[0].mid(1);
    return lines[i];
}

// Why a line is no draw the parser accepts (empty when it is one, then `record` is set).
QString lineProblem(const QString &line, DrawRecord &record)
{
    const QStringList fields = SplitStr(kBlank, line);
    QString problem = formProblem(fields);
    if (problem.isEmpty() && !convertLine(fields, record))
        problem = QStringLiteral("含有不是数字的字符");
    return problem;
}

QString issueRange(int first, int last)
{
    const auto text = [](int issue) { return QString::number(issue).rightJustified(7, QLatin1Char('0')); };
    return first == last ? text(first) : text(first) + QStringLiteral("–") + text(last);
}

} // namespace

bool DataTxtToCodeArr(const QStringList &lines, TBeenCodesRecArr &CodeArr, ParseReporter &reporter)
{
    QStringList work;
    work.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!isBlankLine(lines[i]))
            work.append(lineText(lines, i));

    const QString &blank = kBlank;
    int errorCount = 0;
    QString errorText;
    for (qsizetype i = 0; i < work.size(); ++i) {
        // The fields are split again for the conversion rather than kept: a large file
        // would otherwise hold every field of every line as a string of its own at once.
        if (!formProblem(SplitStr(blank, work[i])).isEmpty()) {
            ++errorCount;
            if (errorCount > kListedBadLines)
                continue;
            errorText += QString::number(i + 1) + QLatin1Char(',');
            if (errorCount % 10 == 0)
                errorText += QStringLiteral("\r\n");
        }
    }
    if (errorCount > 0) {
        if (errorCount > kListedBadLines)
            errorText += QStringLiteral("……共%1行").arg(errorCount);
        reporter.report(QString::fromUtf16(kBadLinesMessage) + QStringLiteral("\r\n") + errorText);
        return false;
    }

    TBeenCodesRecArr parsed(work.size());
    qsizetype failures = 0;
    for (qsizetype i = 0; i < work.size(); ++i) {
        if (!convertLine(SplitStr(blank, work[i]), parsed[i]) && ++failures <= kReportedConversions)
            reporter.report(QStringLiteral("第") + QString::number(i + 1) + QStringLiteral("行数据有错误！！"));
    }
    if (failures > kReportedConversions)
        reporter.report(QStringLiteral("另有%1行数据有错误！！").arg(failures - kReportedConversions));
    // A half-converted draw never enters the history: the previous one stays in force.
    if (failures > 0)
        return false;
    CodeArr = std::move(parsed);
    return true;
}

bool ParseHistoryQuietly(const QStringList &lines, TBeenCodesRecArr &history, QStringList &messages)
{
    class Collect : public ParseReporter
    {
    public:
        explicit Collect(QStringList &to) : m_to(to) {}
        void report(const QString &message) override { m_to << message; }

    private:
        QStringList &m_to;
    } collect(messages);
    return DataTxtToCodeArr(lines, history, collect);
}

QStringList HistoryTextLines(const QByteArray &bytes)
{
    const QString text = DecodePlayerText(bytes);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

HistoryReading ReadHistoryKeepingGoodLines(const QStringList &lines)
{
    HistoryReading reading;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isBlankLine(lines[i]))
            continue;
        const QString line = lineText(lines, i);
        DrawRecord record;
        if (const QString problem = lineProblem(line, record); !problem.isEmpty())
            reading.leftOut.append({int(i + 1), line, problem});
        else
            reading.draws.push_back(record);
    }
    return reading;
}

RefusedLines LinesRefusedAtSave(const QStringList &lines)
{
    RefusedLines refused;
    QHash<int, int> lineOfIssue;
    int previous = 0;   // the issue of the nearest good line above; 0 after a refused form
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isBlankLine(lines[i]))
            continue;
        const int lineNo = int(i + 1);
        const QString line = lineText(lines, i);
        DrawRecord d;
        QString problem = lineProblem(line, d);
        if (!problem.isEmpty()) {
            refused.append({lineNo, line, problem});
            previous = 0;
            continue;
        }
        for (int j = 0; j < 6 && problem.isEmpty(); ++j)
            for (int k = 0; k < j; ++k)
                if (d.Red[j] == d.Red[k]) {
                    problem = QStringLiteral("红球%1重复").arg(int(d.Red[j]), 2, 10, QLatin1Char('0'));
                    break;
                }
        const int issue = d.issueNo();
        if (problem.isEmpty() && lineOfIssue.contains(issue))
            problem = QStringLiteral("期号%1与第%2行重复").arg(d.issueText()).arg(lineOfIssue[issue]);
        else if (problem.isEmpty() && previous != 0 && issue <= previous)
            problem = QStringLiteral("期号不在上一期%1之后").arg(issueRange(previous, previous));
        else if (problem.isEmpty() && previous != 0) {
            if (const QString missing = MissingIssuesText(previous, issue); !missing.isEmpty())
                problem = QStringLiteral("上一期为%1，%2").arg(issueRange(previous, previous), missing);
        }
        if (!problem.isEmpty()) {
            refused.append({lineNo, line, problem});
            continue;
        }
        lineOfIssue.insert(issue, lineNo);
        previous = issue;
    }
    return refused;
}

QString RefusedLinesText(const RefusedLines &lines)
{
    constexpr qsizetype kListed = 20;
    QStringList text;
    for (qsizetype i = 0; i < lines.size() && i < kListed; ++i)
        text << QStringLiteral("第%1行“%2”：%3").arg(lines[i].lineNo).arg(lines[i].text.trimmed(), lines[i].reason);
    if (lines.size() > kListed)
        text << QStringLiteral("……共%1行").arg(lines.size());
    return text.join(QLatin1Char('\n'));
}

QString MissingIssuesText(int previous, int next)
{
    const int py = previous / 1000, pn = previous % 1000;
    const int ny = next / 1000, nn = next % 1000;
    if (ny == py && nn == pn + 1)
        return {};
    if (ny == py + 1 && nn == 1)
        return {};
    if (ny == py)
        return QStringLiteral("缺少第%1期").arg(issueRange(previous + 1, next - 1));
    if (ny == py + 1)
        return QStringLiteral("缺少第%1期").arg(issueRange(ny * 1000 + 1, next - 1));
    // Whole years are missing, and with them the first draws of the next one's year.
    QString years = py + 1 == ny - 1 ? QStringLiteral("%1年").arg(py + 1)
                                     : QStringLiteral("%1年至%2年").arg(py + 1).arg(ny - 1);
    if (nn > 1)
        years += QStringLiteral("和第%1期").arg(issueRange(ny * 1000 + 1, next - 1));
    return QStringLiteral("第%1期与第%2期之间缺少%3的开奖数据")
        .arg(issueRange(previous, previous), issueRange(next, next), years);
}
