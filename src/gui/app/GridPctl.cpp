#include "app/GridPctl.h"

namespace {
const char16_t *const kCaptions[TGridPctl::kPageCount] = {
    u"红球走势图", u"区域分布图", u"尾号走势图", u"奇偶走势图", u"大小走势图",
    u"空行空列图", u"红球统计图", u"旋转图",     u"蓝球走势图", u"蓝球统计图",
    u"遗漏统计图", u"江恩图",     u"统计分析表",
};
} // namespace

TGridPctl::TGridPctl(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("GridPctl"));
}

QString TGridPctl::pageCaption(int index)
{
    return QString::fromUtf16(kCaptions[index]);
}
