#pragma once

#include "core/charts/ChartColor.h"
#include "core/charts/ChartRect.h"
#include "core/charts/ChartReporter.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

// The content and layout of the bar chart. Values are texts in a grid of columns
// 0 .. FDynColCount and rows 0 .. FDynRowCount: row 0 holds the category labels, rows 1..
// the series (decimal integers), column 0 is never drawn. The value at column x, row y is
// entry y * (FDynColCount + 1) + x. The control TG2Net paints it.
class G2NetModel
{
public:
    G2NetModel();

    void SetReporter(ChartReporter *reporter) { m_reporter = reporter; }
    ChartReporter *Reporter() const { return m_reporter; }

    void Clear();
    // ColCount x RowCount values, each "0"; row colours from Colors where given, else
    // the default series colours.
    void SetData(int ColCount, int RowCount, const std::vector<TColor> &Colors = {});
    void SetValue(int X, int Y, const QString &Text);
    QString GetValue(int X, int Y) const;

    // The value of a series cell as a number; a text that is not a decimal integer counts 0.
    int BarValue(int X, int Y) const;

    // Geometry; right and bottom exclusive. BarRect is one pixel per value unit,
    // ScaleRect turns it into FBandHeight pixels per FBandStep units: the bar's frame runs
    // from the axis up to the row of its value, so a bar of value v ends on the band line
    // labelled v.
    TRect BarRect(int X, int Y) const;
    TRect ScaleRect(const TRect &B) const;
    TRect ScaledBar(int X, int Y) const { return ScaleRect(BarRect(X, Y)); }
    TRect ValueLabelRect(const TRect &bar) const;
    // The value labels over the bars never touch each other: they are written in 11
    // points while they fit side by side, smaller (down to 7) where the bars stand close,
    // and where even that is too wide only every second (third, ...) category is labelled.
    // Decided by Relayout.
    int ValueLabelPointSize() const { return m_valueLabelSize; }
    bool ValueLabelShown(int X) const { return (X - 1) % m_valueLabelStep == 0; }
    TRect CategoryLabelRect(int X) const;
    TRect TitleRect() const;
    // Band i of the value axis (0 .. FBandCount): its y, its label (the value of that
    // line, FBandStep x i) and the label's box.
    int AxisY(int i) const;
    int AxisLabel(int i) const;
    // The pixels from the axis up to the row of a value.
    int ValuePixels(int value) const;
    TRect AxisLabelRect(int i) const;

    // The relayout: the plot rectangle and the size the control takes for it.
    void Relayout();
    QSize ControlSize() const;

    int DynColCount() const { return FDynColCount; }
    int DynRowCount() const { return FDynRowCount; }
    TColor RowColor(int Y) const;
    const TRect &PlotRect() const { return FPlotRect; }

    static TColor DefaultRowColor(int Y);

    // Set directly by the chart routines before Relayout.
    QPoint FMargin{30, 30};
    int FBarWidth = 10;
    int FBarGap = 10;
    int FBandHeight = 10;
    int FBandCount = 6;
    // Value units per band; every band line stands at a whole value.
    int FBandStep = 2;
    bool FShowGrid = true;
    bool FShowValues = true;
    QString FTitle;

private:
    bool checkValue(const char *operation, int X, int Y) const;
    std::size_t index(int X, int Y) const { return std::size_t(Y) * std::size_t(FDynColCount + 1) + std::size_t(X); }
    void report(const QString &message) const;
    void layoutValueLabels();

    ChartReporter *m_reporter = nullptr;
    std::vector<QString> FValues;
    int FDynColCount = 0;
    int FDynRowCount = 0;
    std::vector<TColor> FRowColors;
    TRect FPlotRect;
    int m_valueLabelSize = 11;
    int m_valueLabelStep = 1;
};
