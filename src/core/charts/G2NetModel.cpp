#include "charts/G2NetModel.h"

#include "charts/ChartTextWidth.h"

#include <QDebug>
#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 kMaxValues = 1024 * 1024;
// Bars are clipped by the control long before this; it keeps the pixel arithmetic
// inside int whatever a value or a scale is.
constexpr double kMaxBarPixels = 1.0e6;

} // namespace

G2NetModel::G2NetModel()
{
    Clear();
}

void G2NetModel::report(const QString &message) const
{
    if (m_reporter)
        m_reporter->report(message);
    else
        qWarning().noquote() << message;
}

void G2NetModel::Clear()
{
    FRowColors.clear();
    FValues.clear();
    FDynRowCount = 0;
    FDynColCount = 0;
}

TColor G2NetModel::DefaultRowColor(int Y)
{
    switch (Y) {
    case 0: return RgbColor(17, 0, 255);
    case 1: return RgbColor(4, 255, 17);
    case 2: return RgbColor(255, 18, 69);
    case 3: return RgbColor(68, 32, 31);
    case 4: return RgbColor(132, 0, 95);
    default: return RgbColor(68, 0, 255);
    }
}

void G2NetModel::SetData(int ColCount, int RowCount, const std::vector<TColor> &Colors)
{
    if (ColCount < 0 || RowCount < 0 || qint64(ColCount) * RowCount > kMaxValues) {
        report(QStringLiteral("SetData bad size "));
        ColCount = RowCount = 0;
    }
    FDynColCount = ColCount - 1;
    FDynRowCount = RowCount - 1;
    FValues.assign(std::size_t(ColCount) * std::size_t(RowCount), QStringLiteral("0"));
    FRowColors.resize(std::size_t(RowCount));
    for (int i = 0; i < RowCount; ++i)
        FRowColors[std::size_t(i)] = i < int(Colors.size()) ? Colors[std::size_t(i)] : DefaultRowColor(i);
}

bool G2NetModel::checkValue(const char *operation, int X, int Y) const
{
    if (X >= 0 && X <= FDynColCount && Y >= 0 && Y <= FDynRowCount)
        return true;
    const auto op = [operation] { return QString::fromLatin1(operation); };
    if (X > FDynColCount)
        report(op() + QStringLiteral(" x>=FDynColCount "));
    else if (X < 0)
        report(op() + QStringLiteral(" x<0 "));
    if (Y > FDynRowCount)
        report(op() + QStringLiteral(" x>=FDynRowCount "));
    else if (Y < 0)
        report(op() + QStringLiteral(" y<0 "));
    return false;
}

void G2NetModel::SetValue(int X, int Y, const QString &Text)
{
    if (!checkValue("SetValue", X, Y))
        return;
    // A series value must be a number; the bar of a text that is not one has height 0.
    if (Y > 0) {
        bool ok = false;
        (void)Text.trimmed().toInt(&ok);
        if (!ok)
            report(QStringLiteral("SetValue '%1' is not a valid integer value ").arg(Text));
    }
    FValues[index(X, Y)] = Text;
}

QString G2NetModel::GetValue(int X, int Y) const
{
    if (!checkValue("GetValue", X, Y))
        return QString();
    return FValues[index(X, Y)];
}

int G2NetModel::BarValue(int X, int Y) const
{
    if (X < 0 || X > FDynColCount || Y < 0 || Y > FDynRowCount)
        return 0;
    bool ok = false;
    const int value = FValues[index(X, Y)].trimmed().toInt(&ok);
    return ok ? value : 0;
}

TColor G2NetModel::RowColor(int Y) const
{
    if (Y < 0 || Y >= int(FRowColors.size()))
        return DefaultRowColor(Y);
    return FRowColors[std::size_t(Y)];
}

TRect G2NetModel::BarRect(int X, int Y) const
{
    const int W = FBarWidth;
    const int G = FBarGap;
    const int R = FDynRowCount;
    TRect bar;
    bar.left = (R * W + 2 * G) * (X - 1) + Y * W + G + FMargin.x();
    bar.right = bar.left + W;
    bar.bottom = FPlotRect.bottom + 1;
    bar.top = bar.bottom - BarValue(X, Y);
    return bar;
}

TRect G2NetModel::ScaleRect(const TRect &B) const
{
    TRect scaled = B;
    // A scale of 0 (every count 0) or below has no meaning: the bar stays flat.
    if (!(FScale > 0.0f)) {
        scaled.top = B.bottom;
        return scaled;
    }
    // Divided at the scale's own precision, so the largest count of a chart, whose scale
    // was derived from it, ends exactly on the plot's top line.
    const float quotient = float(B.bottom - B.top) / FScale;
    const double pixels = std::clamp(double(std::ceil(quotient)), -kMaxBarPixels, kMaxBarPixels);
    scaled.top = B.bottom - int(pixels);
    return scaled;
}

TRect G2NetModel::ValueLabelRect(const TRect &bar) const
{
    return TRect{bar.left, bar.top - 16, bar.right, bar.top - 2};
}

TRect G2NetModel::CategoryLabelRect(int X) const
{
    const TRect B = ScaledBar(X, 1);
    return TRect{B.left, B.bottom + 3, B.left + FDynRowCount * FBarWidth, B.bottom + 18};
}

TRect G2NetModel::TitleRect() const
{
    return TRect{FPlotRect.left, FPlotRect.top - 25, FPlotRect.right, FPlotRect.top - 5};
}

int G2NetModel::AxisY(int i) const
{
    return FPlotRect.bottom - FBandHeight * i;
}

int G2NetModel::AxisLabel(int i) const
{
    if (!(FScale > 0.0f))
        return 0;
    // rint rounds a half to the even neighbour: 2.5 -> 2, 7.5 -> 8. The scale is a
    // single-precision float, so a true half such as 3 x 20 x (5 / 120) arrives as
    // 2.50000008; cutting the product to four decimals first lets it round as the half it
    // is, instead of labelling two bands "3".
    const double raw = double(FBandHeight) * i * double(FScale);
    const double value = std::round(raw * 1e4) / 1e4;
    return int(std::clamp(std::rint(value), -kMaxBarPixels, kMaxBarPixels));
}

TRect G2NetModel::AxisLabelRect(int i) const
{
    const int y = AxisY(i);
    return TRect{FPlotRect.left - 25, y - 7, FPlotRect.left - 10, y + 8};
}

void G2NetModel::Relayout()
{
    const int width = FDynColCount * (FDynRowCount * FBarWidth + 2 * FBarGap) + 2 * FBarGap;
    const int height = FBandHeight == 0 ? 0 : FBandCount * FBandHeight;
    FPlotRect = TRect{FMargin.x(), FMargin.y(), FMargin.x() + width, FMargin.y() + height};
    layoutValueLabels();
}

void G2NetModel::layoutValueLabels()
{
    constexpr int kLargest = 11;
    constexpr int kSmallest = 7;
    // Air between neighbouring labels, so that two numbers do not read as one.
    constexpr double kAir = 4;
    m_valueLabelSize = kLargest;
    m_valueLabelStep = 1;
    if (!FShowValues || FDynColCount <= 0 || FDynRowCount <= 0)
        return;
    // The distance between the centres of neighbouring bars: within a category group the
    // bars touch, from one group to the next they are a bar and two gaps apart.
    const int distance = FDynRowCount > 1 ? FBarWidth : FBarWidth + 2 * FBarGap;
    if (distance <= 0)
        return;
    const auto widest = [this](int pointSize) {
        double width = 0;
        for (int y = 1; y <= FDynRowCount; ++y)
            for (int x = 1; x <= FDynColCount; ++x)
                width = std::max(width, ChartTextWidth(FValues[index(x, y)], pointSize));
        return width;
    };
    while (m_valueLabelSize > kSmallest && widest(m_valueLabelSize) + kAir > distance)
        --m_valueLabelSize;
    const double room = widest(m_valueLabelSize) + kAir;
    if (room > distance)
        m_valueLabelStep = int(std::ceil(room / distance));
}

QSize G2NetModel::ControlSize() const
{
    return QSize(FPlotRect.right + FMargin.x(), FPlotRect.bottom + FMargin.y());
}
