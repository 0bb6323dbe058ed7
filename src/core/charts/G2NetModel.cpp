#include "core/charts/G2NetModel.h"

#include "core/charts/ChartTextWidth.h"

#include <QDebug>
#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 kMaxValues = 1024 * 1024;
// Bars are clipped by the control long before this; it keeps the pixel arithmetic
// inside int whatever a value or a scale is.
constexpr int kMaxBarPixels = 1000000;

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
    scaled.top = B.bottom - 1 - ValuePixels(B.bottom - B.top);
    return scaled;
}

int G2NetModel::ValuePixels(int value) const
{
    // A step of 0 or below has no meaning: the bar stays flat.
    if (FBandStep <= 0 || FBandHeight <= 0)
        return 0;
    // Whole pixels, rounded up, so that a bar of a value between two lines stands above
    // the lower one; exact for a value on a line.
    const qint64 numerator = qint64(value) * FBandHeight;
    const qint64 pixels = numerator >= 0 ? (numerator + FBandStep - 1) / FBandStep : numerator / FBandStep;
    return int(std::clamp<qint64>(pixels, qint64(-kMaxBarPixels), qint64(kMaxBarPixels)));
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
    return int(std::clamp<qint64>(qint64(FBandStep) * i, qint64(-kMaxBarPixels), qint64(kMaxBarPixels)));
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
