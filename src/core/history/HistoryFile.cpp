#include "core/history/HistoryFile.h"

#include "core/base/FileErrorText.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString TooLargeText(qint64 size, qint64 maxBytes)
{
    const auto mb = [](qint64 bytes) { return QString::number(double(bytes) / (1024 * 1024), 'f', 1); };
    return QStringLiteral("文件大小为%1 MB，超过了开奖数据文件的上限%2 MB").arg(mb(size), mb(maxBytes));
}

TextFileRead ReadGbkTextFile(const QString &path, qint64 maxBytes)
{
    TextFileRead result;
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        result.status = TextFileRead::Missing;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = TextFileRead::Unreadable;
        result.error = FileErrorReason(file);
        return result;
    }
    // Decided on the size before reading, so a huge file costs no memory. A device that
    // does not know its size (a pipe) is read up to one byte past the limit.
    if (file.size() > maxBytes) {
        result.status = TextFileRead::TooLarge;
        result.error = TooLargeText(file.size(), maxBytes);
        return result;
    }
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) {
        result.status = TextFileRead::TooLarge;
        result.error = TooLargeText(bytes.size(), maxBytes);
        return result;
    }
    if (file.error() != QFileDevice::NoError) {
        result.status = TextFileRead::Unreadable;
        result.error = FileErrorReason(file);
        return result;
    }
    QString text = DecodePlayerText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    result.status = TextFileRead::Ok;
    result.text = text;
    return result;
}

QByteArray HistoryFileBytes(const QString &memoText)
{
    QByteArray bytes;
    GbkLinesBytes(MemoLines(memoText), bytes);
    return bytes;
}

bool SaveHistoryFile(const QString &path, const QString &memoText, QString &error)
{
    const QStringList lines = MemoLines(memoText);
    if (const RefusedLines refused = LinesRefusedAtSave(lines); !refused.isEmpty()) {
        error = SaveRefusalText(refused);
        return false;
    }
    QByteArray bytes;
    int badLine = 0;
    if (!GbkLinesBytes(lines, bytes, &badLine)) {
        // A question mark in place of the character would be saved without a word.
        error = QStringLiteral("第%1行“%2”有GBK编码无法保存的字符，请修改后再保存！！")
                    .arg(badLine)
                    .arg(lines[badLine - 1]);
        return false;
    }
    return WriteFileAtomically(path, bytes, error);
}

QString SaveRefusalText(const RefusedLines &refused)
{
    return QString::fromUtf16(kBadLinesMessage) + QLatin1Char('\n') + RefusedLinesText(refused);
}

qsizetype HistoryFileDrawCount(const QString &path)
{
    const TextFileRead file = ReadGbkTextFile(path);
    if (file.status != TextFileRead::Ok)
        return 0;
    return qsizetype(ReadHistoryKeepingGoodLines(MemoLines(file.text)).draws.size());
}

QString EmptySaveQuestion(const QString &historyPath, qsizetype draws)
{
    return QStringLiteral("编辑框中没有开奖数据。保存后，开奖数据文件%1中的%2期开奖数据将全部清除。\n确定要保存吗？")
        .arg(QDir::toNativeSeparators(historyPath))
        .arg(draws);
}

QStringList EmptySaveButtons()
{
    return {QStringLiteral("保存"), QStringLiteral("取消")};
}

QString ImportReplaceQuestion()
{
    return QStringLiteral("导入的文件将替换编辑框中的全部内容。\n开奖数据文件在保存之前不会改变，导入后可按Ctrl+Z撤销。");
}

QStringList ImportReplaceButtons()
{
    return {QStringLiteral("导入"), QStringLiteral("取消")};
}

QString LeftOutLinesNote(const RefusedLines &leftOut, qsizetype draws)
{
    return QStringLiteral("开奖数据文件中有%1行数据有错误，已略去（第一处在第%2行）；其余%3期开奖数据照常使用")
        .arg(leftOut.size())
        .arg(leftOut.value(0).lineNo)
        .arg(draws);
}

QString LeftOutLinesQuestion(const QString &historyPath, const RefusedLines &leftOut, qsizetype draws)
{
    return QStringLiteral("开奖数据文件%1中下列行的数据有错误，已略去，其余%2期开奖数据照常使用：\n")
               .arg(QDir::toNativeSeparators(historyPath))
               .arg(draws)
           + RefusedLinesText(leftOut)
           + QStringLiteral("\n\n略去的行不算作一期：其后各期的遗漏等统计会把它前后两期当作相邻的两期。"
                            "请在数据编辑中改正这些行，再保存数据。\n要现在转到第一个错误行吗？");
}

QStringList LeftOutLinesButtons()
{
    return {QStringLiteral("转到错误行"), QStringLiteral("以后再说")};
}

QString MissingHistoryNote(const QString &historyPath)
{
    const QFileInfo file(historyPath);
    return QStringLiteral("没有找到开奖数据文件%1，开奖数据为空；保存数据时将存放在文件夹%2中")
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
}

bool MemoMatchesHistoryFile(const QString &memoText, const QString &historyPath)
{
    const TextFileRead file = ReadGbkTextFile(historyPath);
    // An empty memo has nothing to lose, whatever became of the file.
    if (file.status != TextFileRead::Ok)
        return MemoLines(memoText).isEmpty();
    return MemoLines(file.text) == MemoLines(memoText);
}

QString UnsavedHistoryQuestion(const QString &historyPath)
{
    return QStringLiteral("开奖数据已经修改，还没有保存到文件%1。\n退出前要保存吗？")
        .arg(QDir::toNativeSeparators(historyPath));
}

QStringList UnsavedHistoryButtons()
{
    return {QStringLiteral("保存"), QStringLiteral("不保存"), QStringLiteral("取消")};
}

QString ClearHistoryQuestion()
{
    return QStringLiteral("要清空编辑框中的全部开奖数据吗？\n开奖数据文件在保存之前不会改变，清空后可按Ctrl+Z撤销。");
}

QStringList ClearHistoryButtons()
{
    return {QStringLiteral("清空"), QStringLiteral("取消")};
}
