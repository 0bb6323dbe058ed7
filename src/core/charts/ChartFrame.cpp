#include "core/charts/ChartFrame.h"

#include "core/charts/H2NetModel.h"
#include "core/code/Code.h"

#include <QDebug>

int ChartDrawCount(const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter)
{
    if (N < 0)
        N = 0;
    if (std::size_t(N) > CodeArr.size()) {
        const QString message = QString::fromUtf16(kTooManyDrawsMessage);
        if (reporter)
            reporter->report(message);
        else
            qWarning().noquote() << message;
        return -1;
    }
    return N;
}

namespace {

template <typename Make>
std::array<QString, 100> makeTexts(Make make)
{
    std::array<QString, 100> texts;
    for (int n = 0; n < 100; ++n)
        texts[std::size_t(n)] = make(n);
    return texts;
}

} // namespace

QString TwoDigitText(int n)
{
    static const std::array<QString, 100> texts = makeTexts([](int v) { return IntToPadStr(v, 2, true); });
    if (n >= 0 && n < 100)
        return texts[std::size_t(n)];
    return IntToPadStr(n, 2, true);
}

QString NumberText(int n)
{
    static const std::array<QString, 100> texts = makeTexts([](int v) { return QString::number(v); });
    if (n >= 0 && n < 100)
        return texts[std::size_t(n)];
    return QString::number(n);
}

void SetCaption(H2NetModel &table, int index, int left, int top, int right, int bottom, const QString &text)
{
    table.SetMerge(index, true, QPoint(left, top), QPoint(right, bottom), text, table.FFixColor);
}

void SetIssueCaption(H2NetModel &table, int index)
{
    SetCaption(table, index, 0, 0, 0, 1, QStringLiteral("期号"));
    table.FFixColCount = 1;
}

void SetDrawHeader(H2NetModel &table, int firstMerge)
{
    for (int p = 1; p <= 6; ++p)
        table.SetValue(1, p, NumberText(p));
    SetIssueCaption(table, firstMerge);
    SetCaption(table, firstMerge + 1, 1, 0, 6, 0, QStringLiteral("红球号码"));
    SetCaption(table, firstMerge + 2, 7, 0, 7, 1, QStringLiteral("蓝球"));
}

void SetDrawColumns(H2NetModel &table, int row, const DrawRecord &draw)
{
    table.SetValue(row, 0, draw.issueText());
    for (int p = 0; p < 6; ++p)
        table.SetValue(row, p + 1, TwoDigitText(draw.Red[std::size_t(p)]));
    table.SetValue(row, 7, TwoDigitText(draw.Blue));
}

void SetSummaryRow(H2NetModel &table, int row)
{
    table.SetValue(row, 0, kSummaryText);
    for (int c = 0; c < table.ColsCount(); ++c)
        table.SetColor(row, c, kSummaryColor);
}
