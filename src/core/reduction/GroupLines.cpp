#include "core/reduction/GroupLines.h"

#include "core/code/SsqError.h"
#include "core/reduction/TypedNumbers.h"

namespace {

constexpr int kMaxCount = 6;

// Reads one part as typed numbers and marks every one; answers false with the reason set.
bool parsePart(const QString &part, int lo, int hi, const QString &what, std::uint64_t &bits,
               QString &problem)
{
    QString bad;
    const auto values = ReadTypedNumbers(part, &bad);
    if (!values) {
        bool digits = false;
        bad.toLongLong(&digits);
        problem = digits && !bad.startsWith(QLatin1Char('-')) && !bad.startsWith(QLatin1Char('+'))
                      ? QStringLiteral("%1%2不在%3-%4之间").arg(what, bad).arg(lo).arg(hi)
                      : QStringLiteral("“%1”不是整数").arg(bad);
        return false;
    }
    if (values->empty()) {
        problem = QStringLiteral("没有") + what;
        return false;
    }
    for (const int value : *values) {
        if (value < lo || value > hi) {
            problem = QStringLiteral("%1%2不在%3-%4之间").arg(what).arg(value).arg(lo).arg(hi);
            return false;
        }
        bits |= std::uint64_t{1} << value;
    }
    return true;
}

} // namespace

std::optional<ChosenGroup> ParseGroupLine(const QString &line, QString *problem)
{
    QString reason;
    const QStringList parts = SplitStr(QStringLiteral("&"), line);
    std::uint64_t numbers = 0;
    std::uint64_t counts = 0;
    if (parts.size() == 1 && line.trimmed().startsWith(QLatin1Char('&')))
        reason = QStringLiteral("没有输入号码"); // "&1,2": the number field was left empty
    else if (parts.size() != 2)
        reason = QStringLiteral("应写成“号码&匹配个数”，如01,08,09&1,2");
    else if (parsePart(parts[0], 1, 33, QStringLiteral("号码"), numbers, reason)
             && parsePart(parts[1], 0, kMaxCount, QStringLiteral("匹配个数"), counts, reason))
        return ChosenGroup{numbers, static_cast<std::uint32_t>(counts)};
    if (problem)
        *problem = reason;
    return std::nullopt;
}

std::vector<ChosenGroup> ParseGroupList(const QStringList &lines, int listNo)
{
    std::vector<ChosenGroup> groups;
    groups.reserve(lines.size());
    for (qsizetype row = 0; row < lines.size(); ++row) {
        QString problem;
        const auto group = ParseGroupLine(lines[row], &problem);
        if (!group)
            throw SsqError(QStringLiteral("选号匹配列表%1的第%2行“%3”有错误：%4！！")
                               .arg(listNo)
                               .arg(row + 1)
                               .arg(lines[row], problem));
        groups.push_back(*group);
    }
    return groups;
}

QString MakeGroupLine(const QString &numberText, const QString &countText)
{
    // Numbers typed with blanks or Chinese commas are stored with "," as every reader of
    // the condition file expects.
    return TypedNumbersAsList(numberText) + QLatin1Char('&') + countText;
}

QString GroupEntryProblem(const QString &numberText, const QString &countText)
{
    if (numberText.trimmed().isEmpty())
        return QStringLiteral("没有输入自选号码！！请输入号码（如01,08,09,12），或用“选择号码”挑选。");
    QString problem;
    if (ParseGroupLine(MakeGroupLine(numberText, countText), &problem))
        return QString();
    return QStringLiteral("自选号码“%1”有错误：%2！！").arg(numberText, problem);
}

void SplitGroupLine(const QString &line, QString &numberPart, QString &countPart)
{
    const QString text = line.trimmed();
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    numberPart = (at < 0 ? text : text.left(at)).trimmed();
    countPart = at < 0 ? QString() : text.mid(at + 1).trimmed();
}

QString GroupLinesToText(const QStringList &lines)
{
    QString text;
    JoinStr(QStringLiteral("#"), lines, text);
    return text;
}

QStringList GroupLinesFromText(const QString &text)
{
    return SplitStr(QStringLiteral("#"), text);
}
