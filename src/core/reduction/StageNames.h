#pragma once

#include <QString>

// The conditions of the nineteen stages, in the order of the run, as the panel names them.
inline QString StageName(int stage)
{
    static const char16_t *const names[] = {
        u"选号范围", u"3区间", u"6区间分段", u"奇偶6区间", u"除3余", u"除6余分组", u"AC值",
        u"最大间隔", u"奇偶比", u"大小比", u"连号", u"总和值", u"尾数相同个数", u"与上期相同个数",
        u"尾数和", u"尾数除5余分组", u"尾数大小比", u"选号匹配1", u"选号匹配2",
    };
    return stage >= 1 && stage <= 19 ? QString::fromUtf16(names[stage - 1]) : QString();
}
