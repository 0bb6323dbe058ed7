#include "core/reduction/GbkIniFile.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QByteArray toGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QString fromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

// Only ASCII letters fold: a byte of a double-byte GBK character is never changed.
bool sameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool sectionName(const QByteArray &line, QByteArray &name)
{
    const QByteArray t = line.trimmed();
    if (!t.startsWith('['))
        return false;
    const qsizetype close = t.indexOf(']');
    name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    return true;
}

bool keyName(const QByteArray &line, QByteArray &name)
{
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';'))
        return false;
    const qsizetype eq = t.indexOf('=');
    if (eq < 0)
        return false;
    name = t.left(eq).trimmed();
    return true;
}

// Line ends, tabs, form feeds and the old end-of-file mark occur in text files; any
// other control character means the bytes are not text.
bool isTextChar(char16_t c)
{
    if (c < 0x20)
        return c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v' || c == 0x1A;
    // The user-defined areas of GBK decode to private-use code points.
    return c != 0x7F && (c < 0xE000 || c > 0xF8FF);
}

// Stateless: a double-byte character cut off at the end of the file is an error too.
bool decodesAsText(const QByteArray &bytes, QStringDecoder decoder)
{
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    for (const QChar c : text)
        if (!isTextChar(c.unicode()))
            return false;
    return true;
}

} // namespace

std::optional<TextEncoding> GbkIniFile::DetectEncoding(const QByteArray &bytes)
{
    const TextEncoding encoding = PlayerTextEncoding(bytes);
    constexpr auto stateless = QStringConverter::Flag::Stateless;
    const bool text = encoding == TextEncoding::Utf8
                          ? decodesAsText(WithoutUtf8Bom(bytes), QStringDecoder(QStringConverter::Utf8, stateless))
                          : decodesAsText(bytes, QStringDecoder("GBK", stateless));
    return text ? std::optional(encoding) : std::nullopt;
}

QByteArray GbkIniFile::encode(const QString &text) const
{
    return m_encoding == TextEncoding::Utf8 ? text.toUtf8() : toGbk(text);
}

QString GbkIniFile::decode(const QByteArray &bytes) const
{
    return m_encoding == TextEncoding::Utf8 ? QString::fromUtf8(bytes) : fromGbk(bytes);
}

GbkIniFile::GbkIniFile(const QByteArray &bytes, TextEncoding encoding) : m_encoding(encoding)
{
    if (bytes.isEmpty())
        return;
    m_lines = (encoding == TextEncoding::Utf8 ? WithoutUtf8Bom(bytes) : bytes).split('\n');
    for (QByteArray &line : m_lines)
        if (line.endsWith('\r'))
            line.chop(1);
    // A file that ends with a line break leaves one empty piece behind: no line.
    if (m_lines.last().isEmpty())
        m_lines.removeLast();
}

GbkIniFile::Found GbkIniFile::find(const QByteArray &section, const QByteArray &key) const
{
    Found found;
    QByteArray name;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (sectionName(m_lines[i], name)) {
            if (found.sectionLine >= 0)
                break; // the end of the wanted section
            if (sameName(name, section)) {
                found.sectionLine = i;
                found.endLine = i + 1;
            }
            continue;
        }
        if (found.sectionLine < 0)
            continue;
        if (!m_lines[i].trimmed().isEmpty())
            found.endLine = i + 1;
        if (found.keyLine < 0 && keyName(m_lines[i], name) && sameName(name, key))
            found.keyLine = i;
    }
    return found;
}

bool GbkIniFile::hasSection(const QString &section) const
{
    const QByteArray wanted = encode(section);
    QByteArray name;
    for (const QByteArray &line : m_lines)
        if (sectionName(line, name) && sameName(name, wanted))
            return true;
    return false;
}

std::optional<QString> GbkIniFile::value(const QString &section, const QString &key) const
{
    const Found found = find(encode(section), encode(key));
    if (found.keyLine < 0)
        return std::nullopt;
    const QByteArray line = m_lines[found.keyLine].trimmed();
    QByteArray v = line.mid(line.indexOf('=') + 1).trimmed();
    // A value written in quotes reads without them.
    if (v.size() >= 2 && ((v.startsWith('"') && v.endsWith('"')) || (v.startsWith('\'') && v.endsWith('\''))))
        v = v.mid(1, v.size() - 2);
    return decode(v);
}

QString GbkIniFile::readString(const QString &section, const QString &key, const QString &fallback) const
{
    return value(section, key).value_or(fallback);
}

void GbkIniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QByteArray sectionBytes = encode(section);
    const QByteArray keyBytes = encode(key);
    const QByteArray line = keyBytes + '=' + encode(value);
    const Found found = find(sectionBytes, keyBytes);
    if (found.keyLine >= 0)
        m_lines[found.keyLine] = line;
    else if (found.sectionLine >= 0)
        m_lines.insert(found.endLine, line);
    else {
        m_lines.append('[' + sectionBytes + ']');
        m_lines.append(line);
    }
}

void GbkIniFile::writeFlag(const QString &section, const QString &key, bool on)
{
    writeString(section, key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray GbkIniFile::toBytes() const
{
    QByteArray bytes;
    for (const QByteArray &line : m_lines)
        bytes += line + "\r\n";
    return bytes;
}
