#include "core/update/SourceReader.h"

#include "core/history/HistoryParser.h"
#include "core/update/FetchResult.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <algorithm>

namespace {

SourceRead failed(const QString &why)
{
    SourceRead r;
    r.error = why;
    return r;
}

// An error page is the commonest wrong answer: a portal, a login or a block page sent with
// status 200.
bool looksLikeWebPage(const QByteArray &bytes)
{
    const QByteArray head = bytes.left(512).trimmed().toLower();
    return head.startsWith('<') || head.contains("<html") || head.contains("<!doctype");
}

// A page with a script where data was asked for is what an anti-robot check sends: the
// browser would run the script, get its cookie and ask again.
SourceRead webPageRead(const QByteArray &bytes, const QString &notWhat)
{
    if (bytes.left(64 * 1024).toLower().contains("<script"))
        return failed(BlockedText(200, QStringLiteral("收到的是带脚本的网页")));
    return failed(QStringLiteral("收到的是网页，不是") + notWhat);
}

// "state" is 0 when the query succeeded; the interface writes it as a number or a string.
bool stateIsSuccess(const QJsonValue &state)
{
    if (state.isUndefined() || state.isNull())
        return true;
    if (state.isString())
        return state.toString().trimmed() == QStringLiteral("0");
    return state.isDouble() && state.toDouble() == 0;
}

// The interface's own words about its answer: "message", or "msg" in some versions.
QString siteMessage(const QJsonObject &root)
{
    for (const char *key : {"message", "msg"}) {
        const QJsonValue v = root.value(QLatin1String(key));
        if (v.isString() && !v.toString().trimmed().isEmpty())
            return v.toString().trimmed();
    }
    return {};
}

bool parseNumber(const QString &text, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok, 10);
    return ok && !text.trimmed().isEmpty();
}

// "2026096" (or "26096", as some tables write it) into year and number.
bool parseIssue(const QString &text, DrawRecord &draw)
{
    static const QRegularExpression seven(QStringLiteral("^(\\d{4})(\\d{3})$"));
    static const QRegularExpression five(QStringLiteral("^(\\d{2})(\\d{3})$"));
    QRegularExpressionMatch m = seven.match(text);
    int century = 0;
    if (!m.hasMatch()) {
        m = five.match(text);
        if (!m.hasMatch())
            return false;
        century = 2000;
    }
    draw.Year = century + m.captured(1).toInt();
    draw.No = m.captured(2).toInt();
    return true;
}

bool isDate(const QString &text)
{
    static const QRegularExpression date(QStringLiteral("^\\d{4}[-/.]\\d{1,2}[-/.]\\d{1,2}$"));
    return date.match(text).hasMatch();
}

QString normalDate(QString text)
{
    text.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('.'), QLatin1Char('-'));
    const QStringList parts = text.split(QLatin1Char('-'));
    return parts[0] + QLatin1Char('-') + parts[1].rightJustified(2, QLatin1Char('0')) + QLatin1Char('-')
           + parts[2].rightJustified(2, QLatin1Char('0'));
}

// Six reds and a blue from their texts; false when one is not a number.
bool setNumbers(const QStringList &reds, const QString &blue, DrawRecord &draw)
{
    if (reds.size() != 6)
        return false;
    for (int i = 0; i < 6; ++i) {
        int n = 0;
        if (!parseNumber(reds[i], n) || n < -128 || n > 127)
            return false;
        draw.Red[size_t(i)] = std::int8_t(n);
    }
    int b = 0;
    if (!parseNumber(blue, b))
        return false;
    draw.Blue = b;
    return true;
}

QString rangeProblem(const DrawRecord &d)
{
    if (d.Year < 2003 || d.No < 1)
        return QStringLiteral("期号不对");
    for (size_t i = 0; i < 6; ++i) {
        if (d.Red[i] < 1 || d.Red[i] > 33)
            return QStringLiteral("红球%1超出01–33").arg(d.Red[i]);
        for (size_t j = 0; j < i; ++j)
            if (d.Red[i] == d.Red[j])
                return QStringLiteral("红球%1重复").arg(d.Red[i]);
    }
    if (d.Blue < 1 || d.Blue > 16)
        return QStringLiteral("蓝球%1超出01–16").arg(d.Blue);
    return {};
}

// The operator's draw-notice interface. Its answer, as the public descriptions of it show:
// {"state":0, "message":"查询成功", "total":.., "pageNo":.., "pageSize":.., "result":[
//   {"name":"双色球", "code":"2026082", "date":"2026-07-19(日)", "week":"日",
//    "red":"01,05,12,19,27,31", "blue":"09", "sales":.., "poolmoney":.., "prizegrades":[..]},
//   ...]}, newest draw first. "state" other than 0 carries the reason in "message".
SourceRead readDrawNotice(const QByteArray &bytes)
{
    if (looksLikeWebPage(bytes))
        return webPageRead(bytes, QStringLiteral("开奖公告数据"));
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return failed(QStringLiteral("开奖公告数据不完整或格式错误（第%1字节：%2）")
                          .arg(error.offset)
                          .arg(error.errorString()));
    if (!doc.isObject())
        return failed(QStringLiteral("不是开奖公告数据（不是 JSON 对象）"));
    const QJsonObject root = doc.object();
    const QString said = siteMessage(root);
    if (!stateIsSuccess(root.value(QStringLiteral("state"))))
        return failed(QStringLiteral("接口返回错误：") + (said.isEmpty() ? QStringLiteral("（没有说明原因）") : said));
    if (!root.value(QStringLiteral("result")).isArray())
        return failed(said.isEmpty() ? QStringLiteral("不是开奖公告数据（没有 result 列表）")
                                     : QStringLiteral("接口没有给出开奖数据：") + said);
    SourceDraws given;
    QStringList places;
    QStringList bad;
    const QJsonArray items = root.value(QStringLiteral("result")).toArray();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QJsonObject item = items[i].toObject();
        SourceDraw d;
        const QString date = item.value(QStringLiteral("date")).toString().left(10);
        if (isDate(date))
            d.date = normalDate(date);
        if (!parseIssue(item.value(QStringLiteral("code")).toString().trimmed(), d.draw)
            || !setNumbers(item.value(QStringLiteral("red")).toString().split(QLatin1Char(',')),
                           item.value(QStringLiteral("blue")).toString(), d.draw)) {
            bad << QString::number(i + 1);
            continue;
        }
        given.append(d);
        places << QStringLiteral("第%1条").arg(i + 1);
    }
    if (given.isEmpty())
        return failed(items.isEmpty() ? QStringLiteral("开奖公告中没有任何开奖数据")
                                      : QStringLiteral("开奖公告中的条目都不是开奖数据"));
    SourceRead read = CheckSourceDraws(given, places);
    if (!bad.isEmpty())
        read.notes.prepend(QStringLiteral("第%1条不是开奖数据，已舍去").arg(bad.join(QLatin1Char(','))));
    read.given = int(items.size());
    const QJsonValue total = root.value(QStringLiteral("total"));
    read.total = total.isDouble() ? total.toInt(-1) : total.isString() ? total.toString().toInt() : -1;
    return read;
}

// A text or CSV table: "2026096 2026-08-18 01 05 12 19 27 31 09 ...". Lines that do not
// begin with an issue (titles, comments) are passed over.
SourceRead readDrawTable(const QByteArray &bytes)
{
    if (looksLikeWebPage(bytes))
        return webPageRead(bytes, QStringLiteral("开奖数据文本"));
    static const QRegularExpression separators(QStringLiteral("[\\s,;|+]+"));
    static const QRegularExpression issueLike(QStringLiteral("^\\d{5}$|^\\d{7}$"));
    const QList<QByteArray> rawLines = bytes.split('\n');
    SourceDraws given;
    QStringList places;
    QStringList bad;
    QStringList cut;
    qsizetype shortest = 0;   // the fewest fields of a draw line so far
    for (qsizetype i = 0; i < rawLines.size(); ++i) {
        const QStringList f = QString::fromUtf8(rawLines[i]).trimmed().split(separators, Qt::SkipEmptyParts);
        if (f.isEmpty() || !issueLike.match(f[0]).hasMatch())
            continue;
        SourceDraw d;
        qsizetype at = 1;
        if (f.size() > 1 && isDate(f[1])) {
            d.date = normalDate(f[1]);
            at = 2;
        }
        // The last line without its line break may have been cut off on the way, and a cut
        // number ("1" of "16") still reads as a number. Its draw is whole when a field
        // follows the blue (the drawn order, sales, or a "-" of a draw not yet counted) or
        // when it is as long as the shortest line before it.
        const bool unterminated = i == rawLines.size() - 1;
        if (unterminated && shortest > 0 && f.size() < shortest && f.size() <= at + 7) {
            cut << QStringLiteral("第%1行（第%2期）").arg(i + 1).arg(f[0]);
            continue;
        }
        if (f.size() < at + 7 || !parseIssue(f[0], d.draw)
            || !setNumbers(f.mid(at, 6), f[at + 6], d.draw)) {
            if (unterminated)
                cut << QStringLiteral("第%1行（第%2期）").arg(i + 1).arg(f[0]);
            else
                bad << QString::number(i + 1);
            continue;
        }
        shortest = shortest == 0 ? f.size() : qMin(shortest, f.size());
        given.append(d);
        places << QStringLiteral("第%1行").arg(i + 1);
    }
    if (given.isEmpty())
        return failed(QStringLiteral("没有读到任何开奖数据行"));
    SourceRead read = CheckSourceDraws(given, places);
    if (!cut.isEmpty())
        read.notes.prepend(cut.front() + QStringLiteral("不完整：最后一行没有换行，可能没有下载完整，已舍去"));
    if (!bad.isEmpty())
        read.notes.prepend(QStringLiteral("第%1行不是完整的开奖数据，已舍去").arg(bad.join(QLatin1Char(','))));
    return read;
}

// The support site's "gx.txt": the history file's own lines, checked by its own parser.
SourceRead readHistoryLines(const QByteArray &bytes)
{
    if (looksLikeWebPage(bytes))
        return webPageRead(bytes, QStringLiteral("开奖数据文件"));
    TBeenCodesRecArr arr;
    QStringList messages;
    if (!ParseHistoryQuietly(HistoryTextLines(bytes), arr, messages))
        return failed(QStringLiteral("不是开奖数据文件的格式：")
                      + messages.value(0).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    if (arr.empty())
        return failed(QStringLiteral("开奖数据文件是空的"));
    SourceDraws given;
    QStringList places;
    for (size_t i = 0; i < arr.size(); ++i) {
        given.append({arr[i], {}});
        places << QStringLiteral("第%1行").arg(i + 1);
    }
    return CheckSourceDraws(given, places);
}

} // namespace

SourceRead CheckSourceDraws(const SourceDraws &given, const QStringList &places)
{
    SourceRead read;
    read.ok = true;
    QMap<int, SourceDraw> byIssue;
    QMap<int, int> copies;
    QList<int> conflicting;
    int ascendingBreaks = 0;
    int descendingBreaks = 0;
    int previous = 0;
    for (qsizetype i = 0; i < given.size(); ++i) {
        SourceDraw d = given[i];
        if (const QString why = rangeProblem(d.draw); !why.isEmpty()) {
            read.notes << places.value(i) + QStringLiteral("（第") + d.draw.issueText()
                              + QStringLiteral("期）号码不对：") + why + QStringLiteral("，已舍去");
            continue;
        }
        d.draw = SortedDraw(d.draw);
        const int issue = d.draw.issueNo();
        if (previous != 0 && issue < previous)
            ++ascendingBreaks;
        if (previous != 0 && issue > previous)
            ++descendingBreaks;
        previous = issue;
        if (byIssue.contains(issue)) {
            ++copies[issue];
            if (byIssue[issue].draw != d.draw && !conflicting.contains(issue))
                conflicting << issue;
            if (byIssue[issue].date.isEmpty())
                byIssue[issue].date = d.date;
            continue;
        }
        byIssue.insert(issue, d);
    }
    for (auto it = copies.cbegin(); it != copies.cend(); ++it) {
        const QString issue = byIssue[it.key()].draw.issueText();
        if (conflicting.contains(it.key())) {
            read.notes << QStringLiteral("第%1期出现%2次且号码不同，已舍去").arg(issue).arg(it.value() + 1);
            byIssue.remove(it.key());
        } else {
            read.notes << QStringLiteral("第%1期重复出现%2次，只取一次").arg(issue).arg(it.value() + 1);
        }
    }
    // The operator lists the newest draw first, a table the oldest: either is in order;
    // a mixture means the source is not what it claims to be, so say so.
    if (ascendingBreaks > 0 && descendingBreaks > 0)
        read.notes << QStringLiteral("期号顺序错乱，已按期号排列");
    read.draws = byIssue.values();
    if (read.draws.isEmpty()) {
        read.ok = false;
        read.error = QStringLiteral("没有一期号码正确的开奖数据");
    }
    return read;
}

SourceRead ReadSourceAnswer(UpdateSource::Form form, const QByteArray &bytes)
{
    if (bytes.trimmed().isEmpty())
        return failed(QStringLiteral("收到的内容是空的"));
    switch (form) {
    case UpdateSource::DrawNotice:
        return readDrawNotice(bytes);
    case UpdateSource::DrawTable:
        return readDrawTable(bytes);
    case UpdateSource::HistoryLines:
        return readHistoryLines(bytes);
    }
    return failed(QStringLiteral("未知的格式"));
}
