#include "core/reduction/CodeList.h"

void BuildBaseList(TCodeList &list)
{
    list.Codes.resize(kCombinationCount);
    TCodeRedArr *out = list.Codes.data();
    for (std::int8_t a = 1; a <= 28; ++a)
        for (std::int8_t b = a + 1; b <= 29; ++b)
            for (std::int8_t c = b + 1; c <= 30; ++c)
                for (std::int8_t d = c + 1; d <= 31; ++d)
                    for (std::int8_t e = d + 1; e <= 32; ++e)
                        for (std::int8_t f = e + 1; f <= 33; ++f)
                            *out++ = TCodeRedArr{a, b, c, d, e, f};
    list.Count = kCombinationCount;
    list.Alive.assign(kCombinationCount, 1);
}

int AliveCount(const TCodeList &list)
{
    int alive = 0;
    for (int i = 0; i < list.Count; ++i)
        alive += list.Alive[static_cast<std::size_t>(i)] != 0;
    return alive;
}

TCodeRedArrArr SurvivorCodes(const TCodeList &list)
{
    TCodeRedArrArr codes;
    codes.reserve(std::size_t(AliveCount(list)));
    for (int i = 0; i < list.Count; ++i)
        if (list.Alive[std::size_t(i)])
            codes.push_back(list.Codes[std::size_t(i)]);
    return codes;
}
