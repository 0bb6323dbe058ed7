#pragma once

#include <QStringList>
#include <QWidget>

class QKeyEvent;

// What the three item-grid controls (TMultiChk, TMultiSpinEdit, TColorMChk) have in
// common: captioned items laid out row by row in a number of columns, a focus index that
// the arrow keys move, a size fixed by the item geometry after every re-layout, and the
// change notification.
class TItemGridControl : public QWidget
{
    Q_OBJECT

public:
    void SetCols(int n);

    // Computes the size from the items, keeps the focus index valid, repaints and
    // notifies a change.
    void Relayout();

    int count() const { return Count; }
    int rows() const { return Rows; }
    int cols() const { return Cols; }
    int focusIndex() const { return FocusIndex; }
    int spacing() const { return Spacing; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void changed();

protected:
    explicit TItemGridControl(QWidget *parent);

    // The size the items take; the control is fixed to it at every re-layout.
    virtual QSize LayoutSize() const = 0;
    // Places child widgets after the size is set (the spin boxes of TMultiSpinEdit).
    virtual void PlaceChildren() {}

    // Raises SsqError(message) for an index outside the items.
    void CheckIndex(int index, const char *message) const;
    // The keys every grid handles alike: Home and End lay it out again, the arrows
    // move the focus index, and the key is notified. Answers false for a key left to
    // the window (Escape), which the caller then passes on.
    bool HandleGridKey(QKeyEvent *event);

    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

    QStringList Captions;
    int Count = 0;
    int Rows = 0;
    int Cols = 3;
    int FocusIndex = 0;
    int Spacing = 3;
};
