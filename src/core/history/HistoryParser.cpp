#include "history/HistoryParser.h"

#include "code/Code.h"

#include <QRegularExpression>
#include <QStringDecoder>
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

enum class LineCheck { Good, Bad };

LineCheck checkLine(const QStringList &fields)
{
    if (fields.size() < 8 || gbkWidth(fields[0]) != 7)
        return LineCheck::Bad;
    for (int j = 1; j <= 7; ++j)
        if (gbkWidth(fields[j]) != 2)
            return LineCheck::Bad;

    // A line of digits that names a ball outside the game would later index the 33-
    // and 16-entry tables of the charts and statistics: it is a bad line like a
    // misshapen one. A field with another character is left to the conversion step.
    for (int j = 0; j <= 7; ++j)
        if (!allDigits(fields[j]))
            return LineCheck::Good;
    int value = 0;
    toNumber(QStringView(fields[0]).mid(4, 3), value);
    if (value == 0)
        return LineCheck::Bad;
    for (int j = 1; j <= 6; ++j) {
        toNumber(fields[j], value);
        if (value < 1 || value > 33)
            return LineCheck::Bad;
    }
    toNumber(fields[7], value);
    return value >= 1 && value <= 16 ? LineCheck::Good : LineCheck::Bad;
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

} // namespace

bool DataTxtToCodeArr(const QStringList &lines, TBeenCodesRecArr &CodeArr, ParseReporter &reporter)
{
    QStringList work;
    work.reserve(lines.size());
    for (const QString &line : lines)
        if (!isBlankLine(line))
            work.append(line);

    const QString blank = QStringLiteral(" ");
    int errorCount = 0;
    QString errorText;
    for (qsizetype i = 0; i < work.size(); ++i) {
        // The fields are split again for the conversion rather than kept: a large file
        // would otherwise hold every field of every line as a string of its own at once.
        if (checkLine(SplitStr(blank, work[i])) == LineCheck::Bad) {
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

QStringList HistoryTextLines(const QByteArray &gbkBytes)
{
    QStringDecoder gbk("GBK");
    const QString text = gbk.decode(gbkBytes);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
