#pragma once

#include "core/charts/ChartColor.h"
#include "core/charts/ChartRect.h"
#include "core/charts/ChartReporter.h"

#include <QSize>
#include <QString>
#include <vector>

// The content and layout of the small titled table that sizes itself to its grid.
// Cells are addressed column first: (Col, Row) is entry Row * FColsCount + Col.
// The control TB0Net paints it.
class B0NetModel
{
public:
    B0NetModel();

    void SetReporter(ChartReporter *reporter) { m_reporter = reporter; }
    ChartReporter *Reporter() const { return m_reporter; }

    void Clear();
    // Texts that existed keep their place in the flat list; every colour becomes
    // RGB(84, 94, 247).
    void SetTableSize(int ColsCount, int RowsCount, const std::vector<int> &ColWidths);

    void SetText(int Col, int Row, const QString &Text);
    QString GetText(int Col, int Row) const;
    void SetColor(int Col, int Row, TColor Color);
    TColor GetColor(int Col, int Row) const;

    // Geometry; right and bottom exclusive.
    int ColLeft(int c) const;
    int RowTop(int r, bool Scrolled) const;
    TRect RectOfCell(int Row, int Col, bool Scrolled) const;
    TRect TitleRect() const;

    // The relayout for a client area of the given height: title band, rows laid out, grid
    // extent. FitSize is the size the control then takes.
    void Relayout(int clientHeight);
    QSize FitSize() const;

    int ColsCount() const { return FColsCount; }
    int RowsCount() const { return FRowsCount; }
    int TopRow() const { return FTopRow; }
    int VisibleRows() const { return FVisibleRows; }
    int TitleHeight() const { return FTitleHeight; }
    const TRect &GridRect() const { return FGridRect; }
    const std::vector<int> &ColWidths() const { return FColWidthArr; }

    static constexpr TColor kDefaultCellColor = RgbColor(84, 94, 247);

    // Set directly by the chart routines.
    QString FTitle = QStringLiteral("我的标题");
    TColor FGridColor = clBlack;
    int FRowHeight = 24;
    int FLineWidth = 1;

private:
    bool checkCell(const char *operation, int Col, int Row) const;
    std::size_t index(int Col, int Row) const { return std::size_t(Row) * std::size_t(FColsCount) + std::size_t(Col); }
    void report(const QString &message) const;

    ChartReporter *m_reporter = nullptr;
    int FTitleHeight = 0;
    std::vector<QString> FCellTexts;
    std::vector<TColor> FCellColors;
    int FTopRow = 0;
    int FVisibleRows = 0;
    int FColsCount = 0;
    int FRowsCount = 0;
    std::vector<int> FColWidthArr;
    TRect FGridRect;
};
