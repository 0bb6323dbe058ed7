#include "core/base/FileErrorText.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

struct KnownReason
{
    const char16_t *chinese;
    std::vector<int> codes;
    // Texts that Qt writes itself instead of the system's.
    std::vector<const char *> qtTexts;
};

const std::vector<KnownReason> &knownReasons()
{
    static const std::vector<KnownReason> reasons = {
        {u"磁盘空间不足", {ENOSPC}, {}},
        {u"超出了磁盘配额", {EDQUOT}, {}},
        {u"文件超过了系统允许的大小", {EFBIG}, {}},
        {u"没有访问权限", {EACCES, EPERM}, {}},
        {u"磁盘是只读的", {EROFS}, {}},
        {u"这是一个文件夹，不是文件", {EISDIR},
         {"Filename refers to a directory", "file to open is a directory"}},
        {u"文件或文件夹不存在", {ENOENT}, {}},
        {u"路径中有一段不是文件夹", {ENOTDIR}, {}},
        {u"文件名太长", {ENAMETOOLONG}, {}},
        {u"同时打开的文件太多", {EMFILE, ENFILE}, {}},
        {u"磁盘读写出错", {EIO}, {}},
        {u"未知错误", {}, {"Unknown error"}},
    };
    return reasons;
}

bool sameText(const QString &systemText, const QString &candidate)
{
    return !candidate.isEmpty() && systemText.compare(candidate, Qt::CaseInsensitive) == 0;
}

bool matches(const KnownReason &reason, const QString &systemText)
{
    for (int code : reason.codes) {
        // Qt writes the system's text, translated where the program loaded Qt's
        // translations; both forms name the same reason.
        const QByteArray raw = std::strerror(code);
        if (sameText(systemText, QString::fromLocal8Bit(raw))
            || sameText(systemText, QCoreApplication::translate("QIODevice", raw.constData())))
            return true;
    }
    for (const char *text : reason.qtTexts) {
        if (sameText(systemText, QString::fromLatin1(text))
            || sameText(systemText, QCoreApplication::translate("QIODevice", text))
            || sameText(systemText, QCoreApplication::translate("QFile", text))
            || sameText(systemText, QCoreApplication::translate("QSaveFile", text)))
            return true;
    }
    return false;
}

} // namespace

QString FileErrorReason(const QString &systemText)
{
    const QString text = systemText.trimmed();
    // The system's words follow in brackets, unless Qt's translation already gave them
    // in Chinese and they would only say the same again.
    const bool chinese = std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x2E80; });
    for (const KnownReason &reason : knownReasons()) {
        if (matches(reason, text))
            return QString::fromUtf16(reason.chinese) + (chinese ? QString() : QStringLiteral("（%1）").arg(text));
    }
    return text.isEmpty() ? QStringLiteral("未知错误") : text;
}

QString FileErrorReason(const QFileDevice &file)
{
    return FileErrorReason(file.errorString());
}
