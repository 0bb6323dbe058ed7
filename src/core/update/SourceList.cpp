#include "core/update/SourceList.h"

#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString problem(int line, const QString &text)
{
    return QString::fromUtf16(kSourceListFileName) + QStringLiteral(" 第%1行：").arg(line) + text;
}

} // namespace

UpdateSources DefaultSources()
{
    UpdateSource cwl;
    cwl.name = QStringLiteral("cwl");
    cwl.title = QStringLiteral("中国福利彩票网站开奖公告");
    cwl.form = UpdateSource::DrawNotice;
    // The results page of the operator's site loads its table from this interface; its
    // address, parameters (name=ssq, issueCount, pageNo, pageSize, systemType=PC), the
    // Referer of the results page it expects and the shape of its answer are described in
    // many public projects that read the draws. The update pages through it until its draws reach the history.
    cwl.address = QStringLiteral("https://www.cwl.gov.cn/cwl_admin/front/cwlkj/search/kjxx/findDrawNotice"
                                 "?name=ssq&issueCount=100&issueStart=&issueEnd=&dayStart=&dayEnd="
                                 "&pageNo=1&pageSize=100&week=&systemType=PC");
    cwl.referer = QStringLiteral("https://www.cwl.gov.cn/ygkj/wqkjgg/ssq/");

    UpdateSource table;
    table.name = QStringLiteral("17500");
    table.title = QStringLiteral("乐彩网开奖数据文本");
    table.form = UpdateSource::DrawTable;
    // Every draw since 2003001, oldest first, one line each: issue, date, the six reds in
    // ascending order, the blue, then the reds in the order drawn, sales and prizes.
    table.address = QStringLiteral("https://data.17500.cn/ssq_asc.txt");
    table.referer = QStringLiteral("https://www.17500.cn/");

    return {cwl, table};
}

SourceListRead ParseSourceList(const QByteArray &bytes, const QString &baseDir)
{
    SourceListRead read;
    const QStringList lines = DecodePlayerText(bytes).split(QLatin1Char('\n'));
    UpdateSources found;
    bool current = false;       // a section is open
    bool currentBad = false;    // ... and was refused
    int sectionLine = 0;
    auto close = [&] {
        if (!current || currentBad)
            return;
        UpdateSource &s = found.last();
        if (s.address.isEmpty()) {
            read.problems << problem(sectionLine, QStringLiteral("来源“%1”没有 url，已忽略").arg(s.name));
            found.removeLast();
            return;
        }
        if (s.title.isEmpty())
            s.title = s.name;
        if (s.isLocalFile() && QFileInfo(s.localPath()).isRelative())
            s.address = QDir(baseDir).filePath(s.localPath());
    };
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        if (i == 0 && line.startsWith(QChar(0xFEFF)))
            line = line.mid(1).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            close();
            UpdateSource s;
            s.name = line.mid(1, line.size() - 2).trimmed();
            found.append(s);
            current = true;
            currentBad = false;
            sectionLine = i + 1;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq <= 0) {
            read.problems << problem(i + 1, QStringLiteral("看不懂“%1”").arg(line));
            continue;
        }
        if (currentBad)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        QString value = line.mid(eq + 1).trimmed();
        // A comment after the value, as the example in the guide has.
        if (const qsizetype c = value.indexOf(QStringLiteral(" ;")); c >= 0)
            value = value.left(c).trimmed();
        UpdateSource &s = found.last();
        if (key == QStringLiteral("title")) {
            s.title = value;
        } else if (key == QStringLiteral("url")) {
            s.address = value;
        } else if (key == QStringLiteral("referer")) {
            s.referer = value;
        } else if (key == QStringLiteral("form")) {
            if (!FormFromName(value, s.form)) {
                read.problems << problem(i + 1, QStringLiteral("不认识的格式“%1”（可用 draw-notice、table、history），来源“%2”已忽略")
                                                    .arg(value, s.name));
                found.removeLast();
                currentBad = true;
            }
        } else {
            read.problems << problem(i + 1, QStringLiteral("不认识的项目“%1”").arg(key));
        }
    }
    close();
    if (found.isEmpty()) {
        read.sources = DefaultSources();
        read.problems << QString::fromUtf16(kSourceListFileName) + QStringLiteral(" 中没有可用的来源，使用程序内置的来源");
        return read;
    }
    read.sources = found;
    read.fromFile = true;
    return read;
}

SourceListRead LoadSourceList(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {DefaultSources(), {}, false};
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024) {
        SourceListRead read{DefaultSources(), {}, false};
        read.problems << QStringLiteral("无法读取") + QDir::toNativeSeparators(path)
                             + QStringLiteral("，使用程序内置的来源");
        return read;
    }
    return ParseSourceList(file.readAll(), QFileInfo(path).absolutePath());
}
