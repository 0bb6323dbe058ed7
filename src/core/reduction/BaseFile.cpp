#include "core/reduction/BaseFile.h"

#include "core/base/FileErrorText.h"
#include "core/base/TextFile.h"
#include "core/reduction/ReductionEngine.h"
#include "core/reduction/TypedNumbers.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The numbers of one line, six at a time; nothing when a piece is no number 1..33, the
// count is no multiple of six or a combination repeats a number.
std::optional<TCodeRedArrArr> lineCombinations(const QString &line)
{
    const auto numbers = ReadTypedNumbers(line);
    if (!numbers || numbers->empty() || numbers->size() % 6 != 0)
        return std::nullopt;
    TCodeRedArrArr codes;
    for (std::size_t at = 0; at < numbers->size(); at += 6) {
        const auto reds = SixReds(*numbers, at);
        if (!reds)
            return std::nullopt;
        codes.push_back(*reds);
    }
    return codes;
}

} // namespace

BaseImport ParseBaseText(const QByteArray &bytes)
{
    static const QRegularExpression countLine(QStringLiteral("^缩水结果有\\d+注号码$"));
    BaseImport result;
    QString text = DecodePlayerText(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || countLine.match(line).hasMatch())
            continue;
        if (const auto codes = lineCombinations(line))
            result.codes.insert(result.codes.end(), codes->begin(), codes->end());
        else
            result.badLines.push_back(int(i + 1));
    }
    std::sort(result.codes.begin(), result.codes.end());
    result.codes.erase(std::unique(result.codes.begin(), result.codes.end()), result.codes.end());
    return result;
}

std::optional<TCodeRedArrArr> ReadBaseFile(const QString &path, QString &error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("无法读取大底文件“%1”：%2！！").arg(path, FileErrorReason(file));
        return std::nullopt;
    }
    const BaseImport parsed = ParseBaseText(file.readAll());
    if (!parsed.badLines.empty()) {
        // Twenty line numbers are enough to find the trouble; the count says the rest.
        QStringList numbers;
        for (std::size_t i = 0; i < parsed.badLines.size() && i < 20; ++i)
            numbers << QString::number(parsed.badLines[i]);
        QString list = numbers.join(QStringLiteral("、")) + QStringLiteral("行");
        if (parsed.badLines.size() > 20)
            list += QStringLiteral("等%1行").arg(parsed.badLines.size());
        error = QStringLiteral("大底文件“%1”第%2不是六个1-33之间的不同号码，未导入任何号码！！").arg(name, list);
        return std::nullopt;
    }
    if (parsed.codes.empty()) {
        error = QStringLiteral("大底文件“%1”中没有号码，未导入任何号码！！").arg(name);
        return std::nullopt;
    }
    return parsed.codes;
}

QString BaseNote(const TCodeRedArrArr *base)
{
    return base ? QStringLiteral("大底：已导入%1注").arg(base->size())
                : QStringLiteral("大底：全部%1注").arg(kCombinationCount);
}
