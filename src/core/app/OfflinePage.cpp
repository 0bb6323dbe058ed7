#include "app/OfflinePage.h"

#include "app/AppInfo.h"
#include "app/Query.h"

using namespace Qt::StringLiterals;

namespace {

QString newestDrawHtml(const TBeenCodesRecArr &CodeArr, const DrawDates &dates)
{
    if (CodeArr.empty())
        return u"<p>开奖数据为空。请按 F2 进入“数据更新”录入或导入开奖数据。</p>"_s;
    const QString date = dates.dateOf(CodeArr.back().issueNo());
    return u"<p>最新一期开奖号码"_s
           + (date.isEmpty() ? QString() : u"（开奖日期 "_s + date + u"）"_s)
           + u"：</p><p class=\"draw\">"_s
           + QueryLine(CodeArr.back()).toHtmlEscaped() + u"</p><p>共有 "_s
           + QString::number(CodeArr.size()) + u" 期开奖数据。</p>"_s;
}

} // namespace

QString OfflinePageHtml(const TBeenCodesRecArr &CodeArr, const DrawDates &dates)
{
    const QString name = QString::fromUtf16(AppInfo::kProgramName);
    const QString site = AppInfo::supportSite().toHtmlEscaped();
    return u"<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>"_s + name
           + u"</title><style>"
             "body{font-family:'宋体','WenQuanYi Micro Hei',sans-serif;font-size:14px;"
             "background:#f4f1e4;color:#203040;margin:40px;}"
             "h1{color:#c00000;font-size:28px;margin-bottom:4px;}"
             ".ver{color:#606060;margin-top:0;}"
             ".draw{font-size:20px;color:#0030a0;font-weight:bold;}"
             ".box{border:1px solid #b0a880;background:#fffdf2;padding:12px 20px;"
             "margin:16px 0;max-width:640px;}"
             "</style></head><body>"_s
           + u"<h1>"_s + name + u"</h1><p class=\"ver\">"_s
           + QString::fromUtf16(AppInfo::kVersionText) + u"　"_s
           + QString::fromUtf16(AppInfo::kDateText) + u"</p>"_s
           + u"<div class=\"box\"><p>暂时无法连接支持网站 "_s + site
           + u"。请检查网络连接后，点击工具栏的“网站支持”重新打开网站。</p></div>"_s
           + u"<div class=\"box\">"_s + newestDrawHtml(CodeArr, dates) + u"</div>"_s
           + u"<div class=\"box\"><p>使用帮助：按 F1 或选择菜单“帮助(H)”→“帮助主题(H)”，"
             "打开程序目录下的使用说明 readme.txt。</p></div>"_s
           + u"</body></html>"_s;
}
