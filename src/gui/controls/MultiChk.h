#pragma once

#include "gui/controls/CheckGridControl.h"

#include <QRect>
#include <QString>

// A grid of small check boxes, each followed by a short caption, with one checked
// flag per item. The condition panel builds most of its conditions from it (the
// counts, ratios and group numbers a combination may have). Items are added one at
// a time and keep their index (the order of addition, from 0).
//
// The control sizes itself to its items: its size is fixed by the item geometry
// after every re-layout and sizeHint() reports it, so an owner only places it
// (move/setGeometry or a layout).
//
// Argument and index errors are raised as SsqError; the control is unchanged then.
// changed() is raised by every re-layout, every key press and every item switched by
// the mouse; not by the setting operations.
class TMultiChk : public TCheckGridControl
{
    Q_OBJECT

public:
    explicit TMultiChk(QWidget *parent = nullptr);
    ~TMultiChk() override;

    void SetCapWidth(int n);
    void SetCheck(int index, bool flag);
    QRect RectOfChk(int index) const;
    QRect RectOfCap(int index) const;

    int chkWidth() const { return ChkWidth; }
    int capWidth() const { return CapWidth; }
    int itemHeight() const { return ItemHeight; }

protected:
    QSize LayoutSize() const override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int ItemWidth() const;
    void PaintItem(QPainter &painter, int index);

    int ChkWidth = 14;
    int CapWidth = 26;
    int ItemHeight = 14;
};
