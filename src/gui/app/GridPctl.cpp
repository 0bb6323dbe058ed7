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
    for (int i = 0; i < kPageCount; ++i) {
        auto *page = new QWidget(this);
        page->setObjectName(QStringLiteral("ExTabSheet") + QString::number(i + 1));
        m_pages[size_t(i)] = page;
        addTab(page, pageCaption(i));
    }
    // The page selected when the charts are first shown by the tool button.
    setCurrentIndex(1);
}

QString TGridPctl::pageCaption(int index)
{
    return QString::fromUtf16(kCaptions[index]);
}
