#include "core/charts/ChartJson.h"

#include "core/charts/B0NetModel.h"
#include "core/charts/G2NetModel.h"
#include "core/charts/H2NetModel.h"

#include <QJsonArray>
#include <algorithm>
#include <charconv>

namespace {

QJsonValue colorValue(TColor color)
{
    if (IsSystemColor(color))
        return QJsonValue(QJsonValue::Null);
    return ColorToHex(color);
}

QJsonArray widthsArray(const std::vector<int> &widths)
{
    QJsonArray array;
    for (int w : widths)
        array.append(w);
    return array;
}

double shortestDecimal(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QByteArray(buffer, result.ptr - buffer).toDouble();
}

} // namespace

QJsonObject TableToJson(const H2NetModel &table)
{
    QJsonArray rows;
    QJsonArray colors;
    for (int r = 0; r < table.RowCount(); ++r) {
        QJsonArray texts;
        QJsonArray fills;
        const bool fixed = r < table.FixRowCount();
        for (int c = 0; c < table.ColsCount(); ++c) {
            texts.append(table.CellText(r, c));
            fills.append(colorValue(fixed ? table.FFixColor : table.CellColor(r, c)));
        }
        rows.append(texts);
        colors.append(fills);
    }
    QJsonArray merges;
    for (const MergeCell &merge : table.Merges()) {
        if (!merge.Visible)
            continue;
        merges.append(QJsonObject{{QStringLiteral("left"), merge.TopLeft.x()},
                                  {QStringLiteral("top"), merge.TopLeft.y()},
                                  {QStringLiteral("right"), merge.BottomRight.x()},
                                  {QStringLiteral("bottom"), merge.BottomRight.y()},
                                  {QStringLiteral("text"), merge.Text}});
    }
    return QJsonObject{{QStringLiteral("title"), QString()},
                       {QStringLiteral("fixedRows"), table.FixRowCount()},
                       {QStringLiteral("widths"), widthsArray(table.ColWidths())},
                       {QStringLiteral("rows"), rows},
                       {QStringLiteral("colors"), colors},
                       {QStringLiteral("merges"), merges}};
}

QJsonObject TableToJson(const B0NetModel &table)
{
    QJsonArray rows;
    QJsonArray colors;
    for (int r = 0; r < table.RowsCount(); ++r) {
        QJsonArray texts;
        QJsonArray fills;
        for (int c = 0; c < table.ColsCount(); ++c) {
            texts.append(table.GetText(c, r));
            fills.append(colorValue(table.GetColor(c, r)));
        }
        rows.append(texts);
        colors.append(fills);
    }
    return QJsonObject{{QStringLiteral("title"), table.FTitle},
                       {QStringLiteral("fixedRows"), 0},
                       {QStringLiteral("widths"), widthsArray(table.ColWidths())},
                       {QStringLiteral("rows"), rows},
                       {QStringLiteral("colors"), colors},
                       {QStringLiteral("merges"), QJsonArray()}};
}

QJsonObject BarsToJson(const G2NetModel &chart)
{
    QJsonArray labels;
    QJsonArray values;
    for (int x = 1; x <= chart.DynColCount(); ++x) {
        labels.append(chart.GetValue(x, 0));
        if (chart.DynRowCount() >= 1) {
            bool ok = false;
            const int value = chart.GetValue(x, 1).trimmed().toInt(&ok);
            values.append(ok ? QJsonValue(value) : QJsonValue(QJsonValue::Null));
        }
    }
    return QJsonObject{{QStringLiteral("labels"), labels},
                       {QStringLiteral("values"), values},
                       {QStringLiteral("bandCount"), chart.FBandCount},
                       {QStringLiteral("bandStep"), chart.FBandStep},
                       {QStringLiteral("scale"), shortestDecimal(float(chart.FBandStep) / float(std::max(chart.FBandHeight, 1)))}};
}
