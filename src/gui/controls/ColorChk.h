#pragma once

#include "gui/controls/CheckGridControl.h"

#include <QColor>
#include <QRect>
#include <QString>

// A grid of numbered cells that the user switches on and off; a cell that is on is
// painted red. The reduction panel uses it for the red numbers a combination may
// use, the number picker to pick the numbers of a chosen-number group.
//
// Item model, keyboard and most operations follow TMultiChk; an item is a single
// cell with its caption centred in it. The grid sizes itself to its items
// (sizeHint() reports that size). changed() is raised by every re-layout and every key
// press; not by the mouse and not by the setting operations.
class TColorMChk : public TCheckGridControl
{
    Q_OBJECT

public:
    explicit TColorMChk(QWidget *parent = nullptr);
    ~TColorMChk() override;

    void SelectAll();
    void SelectNone();
    QRect RectOfChk(int index) const;

    // Cell size and the gap between cells; each lays the grid out again.
    void SetCellWidth(int n);
    void SetCellHeight(int n);
    void SetSpacing(int n);

    int cellWidth() const { return CellWidth; }
    int cellHeight() const { return CellHeight; }
    // The fill of a cell that is off (the button face) or on (pure red).
    QColor cellColor(bool on) const;

protected:
    QSize LayoutSize() const override;
    // Numbers are often written with two digits (01,08,09); the captions are not, so
    // one leading zero is dropped.
    QString CaptionOfPiece(const QString &piece) const override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void PaintCell(QPainter &painter, int index);
    QFont CaptionFont() const;

    static constexpr int MinCaptionPixels = 9;

    int CellWidth = 14;
    int CellHeight = 14;
};
