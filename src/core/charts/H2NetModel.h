#pragma once

#include "core/charts/ChartColor.h"
#include "core/charts/ChartRect.h"
#include "core/charts/ChartReporter.h"
#include "core/charts/MergeCell.h"
#include "core/charts/ScrollRequest.h"

#include <QString>
#include <vector>

// The content and layout of the scrolling table: fixed header rows on top, dynamic rows
// that scroll below them, a text and a background colour per cell, and merged captions.
// Rows are numbered across both blocks (fixed rows first); cell (row r, column c) is entry
// r * FColsCount + c. The control TH2Net paints it; the chart routines fill it.
class H2NetModel
{
public:
    H2NetModel();

    // Non-owning; without a reporter the messages go to the debug log.
    void SetReporter(ChartReporter *reporter) { m_reporter = reporter; }
    ChartReporter *Reporter() const { return m_reporter; }

    void Clear();
    // Every cell becomes empty and unfilled and the view returns to the first row; the
    // merge list stays.
    void SetTableSize(int ColsCount, int DynRows, int FixRowCount, const std::vector<int> &ColWidths);

    void SetValue(int Row, int Col, const QString &Text);
    QString GetValue(int Row, int Col) const;
    void SetColor(int Row, int Col, TColor Color);
    TColor GetColor(int Row, int Col) const;

    // Widens every column whose widest text (its cells, header and totals included, and
    // a caption merged over that column alone) is wider than the column, so that large
    // totals do not run into their neighbours. A column wide enough keeps its width.
    void FitColumnsToText();

    void SetMergeCount(int Count);
    void SetMerge(int Index, bool Visible, QPoint TopLeft, QPoint BottomRight, const QString &Text,
                  TColor Color);
    int MergeCount() const { return int(m_merges.size()); }
    const std::vector<MergeCell> &Merges() const { return m_merges; }

    // Geometry in client pixels; right and bottom exclusive.
    int ColLeft(int c) const;
    int RowTop(int r, bool Scrolled) const;
    TRect RectOfCell(int Row, int Col, bool Scrolled) const;
    // The rectangle of a merged caption; false when it names a cell outside the table.
    bool MergeRect(const MergeCell &merge, TRect &rect) const;

    // The relayout for a client area of the given height: the row slots that fit, the
    // grid's extent and the scroll range. The scroll position is kept inside the range.
    void Relayout(int clientHeight);
    int ScrollMax() const;
    // Handles one request of the vertical scroll bar and returns the new first row.
    int Scroll(ScrollRequest request, int requestedPosition = 0);

    int ColsCount() const { return FColsCount; }
    int DynRows() const { return FDynRows; }
    int FixRowCount() const { return FFixRowCount; }
    int RowCount() const { return FFixRowCount + FDynRows; }
    int TopRow() const { return FTopRow; }
    int VisibleRows() const { return FVisibleRows; }
    const TRect &GridRect() const { return FGridRect; }
    const std::vector<int> &ColWidths() const { return FColWidthArr; }
    // Direct cell access for painting and export; the caller keeps the indices valid.
    const QString &CellText(int Row, int Col) const { return m_cellTexts[index(Row, Col)]; }
    TColor CellColor(int Row, int Col) const { return m_cellColors[index(Row, Col)]; }

    // Set directly by the chart routines before they fill the table.
    int FFontSize = 11;
    TColor FFixColor = RgbColor(228, 224, 243);
    int FRowHeight = 20;
    int FLineWidth = 1;
    // The leading columns that stay in place while the others scroll sideways (the issue
    // column of the draw tables), as the fixed rows stay while the rows scroll.
    int FFixColCount = 0;
    // Where the scrolling columns begin: the left of column FFixColCount (0 when none is
    // fixed).
    int FixedWidth() const;

private:
    std::size_t index(int Row, int Col) const { return std::size_t(Row) * FColsCount + Col; }
    bool checkCell(const char *operation, int Row, int Col) const;
    bool cellExists(int Row, int Col) const;
    int colLeftUnchecked(int c) const;
    TRect cellRectUnchecked(int Row, int Col, bool Scrolled) const;
    void report(const QString &message) const;

    ChartReporter *m_reporter = nullptr;
    std::vector<MergeCell> m_merges;
    std::vector<QString> m_cellTexts;
    std::vector<TColor> m_cellColors;
    int FTopRow = 0;
    int FVisibleRows = 0;
    int FFixRowCount = 0;
    int FColsCount = 0;
    int FDynRows = 0;
    std::vector<int> FColWidthArr;
    TRect FGridRect;
};
