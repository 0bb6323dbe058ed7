#pragma once

// A small INI document over the raw bytes of a GBK text file. It keeps every line it
// does not change exactly as it was (other sections, comments, blank lines, the order of
// keys), replaces a key where it stands and adds a new key at the end of its section, and
// writes CR LF line ends. Section and key names match case-insensitively in their ASCII
// letters, as INI readers do; values are read whole, trimmed of blanks.
//
// A file the user edited in a modern editor is UTF-8, often with a byte-order mark; such
// a file is read as UTF-8 (TextEncoding::Utf8). The program itself writes GBK only.

#include "core/base/TextFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class GbkIniFile
{
public:
    GbkIniFile() = default;
    // A UTF-8 file's byte-order mark, if any, is not part of its first line.
    explicit GbkIniFile(const QByteArray &bytes, TextEncoding encoding = TextEncoding::Gbk);

    // How a file chosen for reading is to be decoded: by the rule of every text a player
    // gives the program (PlayerTextEncoding). Nothing when the bytes are no text: a byte
    // sequence that does not decode, control characters other than line ends and tabs,
    // or GBK's user-defined code points, which only binary data produces.
    static std::optional<TextEncoding> DetectEncoding(const QByteArray &bytes);

    bool hasSection(const QString &section) const;

    // The value of `key` in `section`, nothing when the key is absent (the first one
    // counts when a key occurs twice).
    std::optional<QString> value(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &fallback) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeFlag(const QString &section, const QString &key, bool on);

    // The whole file, every line ended by CR LF.
    QByteArray toBytes() const;

private:
    struct Found
    {
        qsizetype sectionLine = -1;   // the "[...]" line
        qsizetype endLine = -1;       // one past the section's last key or comment line
        qsizetype keyLine = -1;
    };
    Found find(const QByteArray &section, const QByteArray &key) const;

    QByteArray encode(const QString &text) const;
    QString decode(const QByteArray &bytes) const;

    QList<QByteArray> m_lines;   // without line ends
    TextEncoding m_encoding = TextEncoding::Gbk;
};
