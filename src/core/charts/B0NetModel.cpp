#include "core/charts/B0NetModel.h"

#include <QDebug>
#include <algorithm>

namespace {

constexpr qint64 kMaxCells = 1024 * 1024;
constexpr int kTitleBandHeight = 30;
// The frame the platform keeps around the rows when it decides how many fit.
constexpr int kRowsAllowance = 6;

} // namespace

B0NetModel::B0NetModel()
{
    Clear();
}

void B0NetModel::report(const QString &message) const
{
    if (m_reporter)
        m_reporter->report(message);
    else
        qWarning().noquote() << message;
}

void B0NetModel::Clear()
{
    FColWidthArr.clear();
    FRowHeight = 24;
    FLineWidth = 1;
    FColsCount = 0;
    FTopRow = 0;
    FVisibleRows = 0;
    FRowsCount = 0;
    FCellTexts.clear();
    FCellColors.clear();
    FGridRect = TRect();
}

void B0NetModel::SetTableSize(int ColsCount, int RowsCount, const std::vector<int> &ColWidths)
{
    if (ColsCount < 0 || RowsCount < 0 || qint64(ColsCount) * RowsCount > kMaxCells) {
        report(QStringLiteral("SetTableSize bad size "));
        ColsCount = RowsCount = 0;
    }
    FColsCount = ColsCount;
    FRowsCount = RowsCount;
    if (int(ColWidths.size()) < ColsCount)
        report(QStringLiteral("SetTableSize Length(ColWidths)<ColsCount "));
    FColWidthArr.assign(std::size_t(ColsCount), 0);
    std::copy_n(ColWidths.begin(), std::min<std::size_t>(ColWidths.size(), std::size_t(ColsCount)),
                FColWidthArr.begin());
    const std::size_t cells = std::size_t(ColsCount) * std::size_t(RowsCount);
    FCellTexts.resize(cells);
    FCellColors.assign(cells, kDefaultCellColor);
}

// Column and row are checked each against its own count, so that a column past the
// right edge cannot land in the next row's cells.
bool B0NetModel::checkCell(const char *operation, int Col, int Row) const
{
    if (Col >= 0 && Col < FColsCount && Row >= 0 && Row < FRowsCount)
        return true;
    const auto op = [operation] { return QString::fromLatin1(operation); };
    if (Col >= FColsCount)
        report(op() + QStringLiteral(" ACol>=FColsCount "));
    else if (Col < 0)
        report(op() + QStringLiteral(" ACol<0 "));
    if (Row >= FRowsCount)
        report(op() + QStringLiteral(" ARow>=FRowsCount "));
    else if (Row < 0)
        report(op() + QStringLiteral(" ARow<0 "));
    return false;
}

void B0NetModel::SetText(int Col, int Row, const QString &Text)
{
    if (checkCell("SetText", Col, Row))
        FCellTexts[index(Col, Row)] = Text;
}

QString B0NetModel::GetText(int Col, int Row) const
{
    return checkCell("GetText", Col, Row) ? FCellTexts[index(Col, Row)] : QString();
}

void B0NetModel::SetColor(int Col, int Row, TColor Color)
{
    if (checkCell("SetColor", Col, Row))
        FCellColors[index(Col, Row)] = Color;
}

TColor B0NetModel::GetColor(int Col, int Row) const
{
    return checkCell("GetColor", Col, Row) ? FCellColors[index(Col, Row)] : kDefaultCellColor;
}

int B0NetModel::ColLeft(int c) const
{
    c = std::clamp(c, 0, int(FColWidthArr.size()));
    int left = 1;
    for (int i = 0; i < c; ++i)
        left += FColWidthArr[std::size_t(i)] + FLineWidth;
    return left;
}

int B0NetModel::RowTop(int r, bool Scrolled) const
{
    const int t = Scrolled ? FTopRow : 0;
    return (r - t) * (FRowHeight + FLineWidth) + FTitleHeight;
}

TRect B0NetModel::RectOfCell(int Row, int Col, bool Scrolled) const
{
    TRect rect;
    rect.left = ColLeft(Col);
    const bool hasWidth = Col >= 0 && Col < int(FColWidthArr.size());
    rect.right = rect.left + (hasWidth ? FColWidthArr[std::size_t(Col)] : 0);
    rect.top = RowTop(Row, Scrolled);
    rect.bottom = rect.top + FRowHeight;
    return rect;
}

TRect B0NetModel::TitleRect() const
{
    const int right = FColsCount > 0 ? RectOfCell(0, FColsCount - 1, false).right : 0;
    return TRect{0, 0, right, FTitleHeight};
}

void B0NetModel::Relayout(int clientHeight)
{
    FTitleHeight = FTitle.isEmpty() ? 0 : kTitleBandHeight;
    const int available = clientHeight - kRowsAllowance;
    const int slot = FRowHeight + FLineWidth;
    FVisibleRows = 0;
    if (available >= 1 && slot > 0)
        FVisibleRows = std::min(available / slot, FRowsCount);
    FGridRect = TRect();
    if (FColsCount > 0)
        FGridRect = UnionRect(RectOfCell(0, 0, false), RectOfCell(FVisibleRows - 1, FColsCount - 1, false));
}

QSize B0NetModel::FitSize() const
{
    return QSize(FGridRect.width() + 3, FGridRect.bottom + 2);
}
