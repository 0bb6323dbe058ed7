#include "core/charts/H2NetModel.h"

#include "core/charts/ChartTextWidth.h"

#include <QDebug>
#include <algorithm>
#include <cmath>

namespace {

// Far above any chart (41 columns x the whole history); a larger request is a caller's
// mistake that would otherwise exhaust memory.
constexpr qint64 kMaxCells = 16 * 1024 * 1024;

} // namespace

H2NetModel::H2NetModel()
{
    Clear();
}

void H2NetModel::report(const QString &message) const
{
    if (m_reporter)
        m_reporter->report(message);
    else
        qWarning().noquote() << message;
}

void H2NetModel::Clear()
{
    FFixColor = RgbColor(228, 224, 243);
    FFixRowCount = 0;
    FColWidthArr.clear();
    FRowHeight = 20;
    FLineWidth = 1;
    FFixColCount = 0;
    FColsCount = 0;
    FTopRow = 0;
    FVisibleRows = 0;
    FDynRows = 0;
    FGridRect = TRect();
    m_cellTexts.clear();
    m_cellColors.clear();
    m_merges.clear();
}

void H2NetModel::SetTableSize(int ColsCount, int DynRows, int FixRowCount,
                              const std::vector<int> &ColWidths)
{
    if (ColsCount < 0 || DynRows < 0 || FixRowCount < 0) {
        report(QStringLiteral("SetTableSize Count<0 "));
        ColsCount = std::max(ColsCount, 0);
        DynRows = std::max(DynRows, 0);
        FixRowCount = std::max(FixRowCount, 0);
    }
    if (qint64(ColsCount) * (qint64(DynRows) + FixRowCount) > kMaxCells) {
        report(QStringLiteral("SetTableSize too many cells "));
        ColsCount = DynRows = FixRowCount = 0;
    }
    FColsCount = ColsCount;
    FDynRows = DynRows;
    // A new content starts at its first row: the newest draw, not wherever the
    // previous content was scrolled to.
    FTopRow = 0;
    FFixRowCount = FixRowCount;
    const std::size_t cells = std::size_t(ColsCount) * std::size_t(DynRows + FixRowCount);
    m_cellTexts.assign(cells, QString());
    m_cellColors.assign(cells, clWindow);
    if (int(ColWidths.size()) < ColsCount)
        report(QStringLiteral("SetTableSize Length(ColWidths)<ColsCount "));
    FColWidthArr.assign(std::size_t(ColsCount), 0);
    std::copy_n(ColWidths.begin(), std::min<std::size_t>(ColWidths.size(), std::size_t(ColsCount)),
                FColWidthArr.begin());
}

bool H2NetModel::cellExists(int Row, int Col) const
{
    return Col >= 0 && Col < FColsCount && Row >= 0 && Row < FDynRows + FFixRowCount;
}

// Reports every bound the cell violates, upper bounds with the table's own wording.
bool H2NetModel::checkCell(const char *operation, int Row, int Col) const
{
    if (cellExists(Row, Col))
        return true;
    const auto op = [operation] { return QString::fromLatin1(operation); };
    if (Col >= FColsCount)
        report(op() + QStringLiteral(" x>=FColsCount "));
    else if (Col < 0)
        report(op() + QStringLiteral(" x<0 "));
    if (Row >= FDynRows + FFixRowCount)
        report(op() + QStringLiteral(" y>=FDynRows+FFixRowCount "));
    else if (Row < 0)
        report(op() + QStringLiteral(" y<0 "));
    return false;
}

void H2NetModel::SetValue(int Row, int Col, const QString &Text)
{
    if (checkCell("SetValue", Row, Col))
        m_cellTexts[index(Row, Col)] = Text;
}

QString H2NetModel::GetValue(int Row, int Col) const
{
    if (!checkCell("GetValue", Row, Col))
        return QString();
    return m_cellTexts[index(Row, Col)];
}

void H2NetModel::SetColor(int Row, int Col, TColor Color)
{
    if (checkCell("SetColor", Row, Col))
        m_cellColors[index(Row, Col)] = Color;
}

TColor H2NetModel::GetColor(int Row, int Col) const
{
    if (!checkCell("GetColor", Row, Col))
        return clWindow;
    return m_cellColors[index(Row, Col)];
}

void H2NetModel::FitColumnsToText()
{
    // Two pixels of air either side of a text that needed more room than the column had,
    // so neighbouring totals read as separate numbers.
    constexpr int kPadding = 4;
    std::vector<double> widest(FColWidthArr.size(), 0.0);
    const auto consider = [&](int col, const QString &text) {
        if (!text.isEmpty())
            widest[std::size_t(col)] = std::max(widest[std::size_t(col)], ChartTextWidth(text, FFontSize));
    };
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < FColsCount; ++c)
            consider(c, m_cellTexts[index(r, c)]);
    for (const MergeCell &merge : m_merges)
        if (merge.Visible && merge.TopLeft.x() == merge.BottomRight.x() && merge.TopLeft.x() >= 0
            && merge.TopLeft.x() < FColsCount)
            consider(merge.TopLeft.x(), merge.Text);
    for (std::size_t c = 0; c < FColWidthArr.size(); ++c)
        if (widest[c] > FColWidthArr[c])
            FColWidthArr[c] = int(std::ceil(widest[c])) + kPadding;
}

void H2NetModel::SetMergeCount(int Count)
{
    if (Count < 0) {
        report(QStringLiteral("SetMergeCount Count<0 "));
        Count = 0;
    }
    m_merges.assign(std::size_t(Count), MergeCell());
}

void H2NetModel::SetMerge(int Index, bool Visible, QPoint TopLeft, QPoint BottomRight,
                          const QString &Text, TColor Color)
{
    if (Index < 0 || Index >= MergeCount()) {
        report(QStringLiteral("SetMerge Index>=MergeCount "));
        return;
    }
    m_merges[std::size_t(Index)] = MergeCell{Visible, TopLeft, BottomRight, Text, Color};
}

int H2NetModel::colLeftUnchecked(int c) const
{
    int left = 1;
    for (int i = 0; i < c; ++i)
        left += FColWidthArr[std::size_t(i)] + FLineWidth;
    return left;
}

int H2NetModel::ColLeft(int c) const
{
    const int count = int(FColWidthArr.size());
    if (c > count) {
        report(QStringLiteral("ACol>Length(FColWidthArr)"));
        c = count;
    } else if (c < 0) {
        report(QStringLiteral("ACol<0"));
        c = 0;
    }
    return colLeftUnchecked(c);
}

int H2NetModel::FixedWidth() const
{
    const int fixed = std::clamp(FFixColCount, 0, int(FColWidthArr.size()));
    return fixed > 0 ? colLeftUnchecked(fixed) : 0;
}

int H2NetModel::RowTop(int r, bool Scrolled) const
{
    const int t = Scrolled ? FTopRow : 0;
    return 1 + (r - t) * (FRowHeight + FLineWidth);
}

TRect H2NetModel::cellRectUnchecked(int Row, int Col, bool Scrolled) const
{
    TRect rect;
    rect.left = colLeftUnchecked(Col);
    rect.right = rect.left + FColWidthArr[std::size_t(Col)];
    rect.top = RowTop(Row, Scrolled);
    rect.bottom = rect.top + FRowHeight;
    return rect;
}

TRect H2NetModel::RectOfCell(int Row, int Col, bool Scrolled) const
{
    const int count = int(FColWidthArr.size());
    if (Col >= count || Col < 0) {
        report(Col < 0 ? QStringLiteral("RectOfCell ACol<0")
                       : QStringLiteral("RectOfCell ACol>Length(FColWidthArr)"));
        // An empty rectangle at the nearest column edge: nothing is drawn there.
        const int left = colLeftUnchecked(std::clamp(Col, 0, count));
        const int top = RowTop(Row, Scrolled);
        return TRect{left, top, left, top + FRowHeight};
    }
    return cellRectUnchecked(Row, Col, Scrolled);
}

bool H2NetModel::MergeRect(const MergeCell &merge, TRect &rect) const
{
    // Rows may lie anywhere (the geometry is a lattice), but columns need a width.
    const int count = int(FColWidthArr.size());
    const auto colOk = [count](int c) { return c >= 0 && c < count; };
    if (!colOk(merge.TopLeft.x()) || !colOk(merge.BottomRight.x()))
        return false;
    rect = UnionRect(cellRectUnchecked(merge.TopLeft.y(), merge.TopLeft.x(), false),
                     cellRectUnchecked(merge.BottomRight.y(), merge.BottomRight.x(), false));
    return true;
}

void H2NetModel::Relayout(int clientHeight)
{
    const int slot = FRowHeight + FLineWidth;
    FVisibleRows = 0;
    if (slot > 0 && slot < clientHeight)
        FVisibleRows = clientHeight / slot - FFixRowCount;
    // Fewer pixels than header rows: no dynamic slot at all (never a negative count,
    // which would widen the scroll range past the last row).
    FVisibleRows = std::max(FVisibleRows, 0);
    FGridRect = TRect();
    if (FColsCount > 0)
        FGridRect = UnionRect(cellRectUnchecked(0, 0, false),
                              cellRectUnchecked(FVisibleRows + FFixRowCount - 1, FColsCount - 1, false));
    FTopRow = std::clamp(FTopRow, 0, ScrollMax());
}

int H2NetModel::ScrollMax() const
{
    return std::max(FDynRows - FVisibleRows, 0);
}

int H2NetModel::Scroll(ScrollRequest request, int requestedPosition)
{
    FTopRow = NextScrollPosition(request, FTopRow, 0, ScrollMax(), FVisibleRows, requestedPosition);
    return FTopRow;
}
