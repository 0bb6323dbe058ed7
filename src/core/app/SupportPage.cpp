#include "core/app/SupportPage.h"

#include "core/base/AppInfo.h"
#include "core/app/Query.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString esc(const QString &text)
{
    return text.toHtmlEscaped();
}

QString path(const QString &file)
{
    return u"<span class=\"path\">"_s + esc(QDir::toNativeSeparators(file)) + u"</span>"_s;
}

QString box(const QString &heading, const QString &body)
{
    return u"<div class=\"box\"><h2>"_s + heading + u"</h2>"_s + body + u"</div>"_s;
}

QString guideBox(const SupportPageFacts &facts)
{
    return box(u"使用说明"_s,
               u"<ul>"
               "<li>数据更新（F2）：编辑、导入、保存开奖数据；在线更新（F3）从下面的来源下载新开奖的各期。</li>"
               "<li>常用图表：十三种走势图和统计表，都按“统计最近 N 期”计算。</li>"
               "<li>超强缩水：按条件、选号范围和自选号码缩减投注号码，可导出、打印、兑奖、旋转。</li>"
               "<li>号码推荐：冷码、热码、必出码、胆码、单注和复式推荐。</li>"
               "<li>查询统计：从某一期起列出各期开奖号码。</li>"
               "</ul><p>完整的使用说明：按 F1 或选择菜单“帮助(H)”→“帮助主题(H)”，文件是 "_s
                   + path(facts.helpFile) + u"。</p>"_s);
}

QString historyBox(const SupportPageFacts &facts)
{
    QString body;
    const TBeenCodesRecArr empty;
    const TBeenCodesRecArr &arr = facts.CodeArr ? *facts.CodeArr : empty;
    if (arr.empty()) {
        body = u"<p>开奖数据为空。请按 F2 进入“数据更新”录入或导入开奖数据，或按 F3 在线更新。</p>"_s;
    } else {
        const QString date = facts.dates.dateOf(arr.back().issueNo());
        body = u"<p>最新一期开奖号码"_s + (date.isEmpty() ? QString() : u"（开奖日期 "_s + esc(date) + u"）"_s)
               + u"：</p><p class=\"draw\">"_s + esc(QueryLine(arr.back())) + u"</p><p>共有 "_s
               + QString::number(arr.size()) + u" 期开奖数据。</p>"_s;
    }
    body += u"<p>开奖数据文件："_s + path(facts.historyFile) + u"</p>"_s;
    return box(u"开奖数据"_s, body);
}

QString sourcesBox(const SupportPageFacts &facts)
{
    QString items;
    for (const UpdateSource &s : facts.sources)
        items += u"<li>"_s + esc(s.title) + u"：<span class=\"path\">"_s + esc(s.address) + u"</span></li>"_s;
    const QString folder = QFileInfo(facts.historyFile).absolutePath();
    return box(u"在线更新的数据来源"_s,
               u"<p>在线更新依次尝试：</p><ol>"_s + items
                   + u"</ol><p>想增加或更换来源，在 "_s + path(folder)
                   + u" 中建立 sources.ini，写法见使用说明。</p>"_s);
}

QString siteBox(const SupportPageFacts &facts)
{
    const QString file = QDir(QFileInfo(facts.historyFile).absolutePath()).filePath(QString::fromUtf16(kWebsiteFileName));
    return box(u"网站支持"_s,
               u"<p>本页是程序内置的说明页。想让“网站支持”打开您自己选定的网站，建立文本文件 "_s
                   + path(file)
                   + u"，第一行写网址（以 http:// 或 https:// 开头），再点工具栏的“网站支持”。删除该文件即恢复本页。</p>"_s);
}

} // namespace

QUrl PlayerSiteFromText(const QByteArray &bytes)
{
    const QStringList lines = DecodePlayerText(bytes).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        const QUrl url(line, QUrl::StrictMode);
        const QString scheme = url.scheme().toLower();
        if (url.isValid() && (scheme == u"http"_s || scheme == u"https"_s) && !url.host().isEmpty())
            return url;
        return QUrl();
    }
    return QUrl();
}

QUrl LoadPlayerSite(const QString &path)
{
    QFile file(path);
    // The address is one line; a file far larger is not an address file.
    if (!file.open(QIODevice::ReadOnly))
        return QUrl();
    return PlayerSiteFromText(file.read(64 * 1024));
}

QString SupportPageHtml(const SupportPageFacts &facts)
{
    const QString name = QString::fromUtf16(AppInfo::kProgramName);
    QString notice;
    if (!facts.unreachableSite.isEmpty())
        notice = u"<div class=\"box warn\"><p>暂时无法打开您设置的网站 <span class=\"path\">"_s
                 + esc(facts.unreachableSite.toString())
                 + u"</span>。请检查网络连接后，点击工具栏的“网站支持”重新打开。</p></div>"_s;
    return u"<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>"_s + name
           + u"</title><style>"
             "body{font-family:'宋体','WenQuanYi Micro Hei',sans-serif;font-size:14px;"
             "background:#f4f1e4;color:#203040;margin:32px;}"
             "h1{color:#c00000;font-size:28px;margin-bottom:4px;}"
             "h2{font-size:16px;color:#204080;margin:0 0 8px 0;}"
             ".ver{color:#606060;margin-top:0;}"
             ".draw{font-size:20px;color:#0030a0;font-weight:bold;}"
             ".path{font-family:monospace;word-break:break-all;}"
             ".box{border:1px solid #b0a880;background:#fffdf2;padding:10px 20px;"
             "margin:14px 0;max-width:720px;}"
             ".warn{border-color:#c08040;background:#fff4e0;}"
             "</style></head><body>"_s
           + u"<h1>"_s + name + u"</h1><p class=\"ver\">"_s + QString::fromUtf16(AppInfo::kVersionText)
           + u"　"_s + QString::fromUtf16(AppInfo::kDateText) + u"</p>"_s + notice + guideBox(facts)
           + historyBox(facts) + sourcesBox(facts) + siteBox(facts) + u"</body></html>"_s;
}
