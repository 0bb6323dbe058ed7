#pragma once

#include "gui/controls/ItemGridControl.h"

#include <QRect>
#include <QString>
#include <vector>

class QSpinBox;

// A grid of captioned integer inputs: each item is a caption drawn by the control
// followed by a spin box that the control owns as its child. The condition panel
// uses it with the two items "最小值:" and "最大值:" for each value range.
//
// Like TMultiChk it sizes itself to its items (sizeHint() reports that size) and
// moves a focus index with the arrow keys; nothing draws that index. The spin
// boxes are placed at every re-layout. changed() is raised by every re-layout and every
// key press on the control itself; a change of a spin box's value does not raise it.
class TMultiSpinEdit : public TItemGridControl
{
    Q_OBJECT

public:
    explicit TMultiSpinEdit(QWidget *parent = nullptr);
    ~TMultiSpinEdit() override;

    void AddItem(const QString &caption);
    void SetItem(int index, const QString &caption, int value);
    // Finishes an edit in progress first: an emptied box shows its value again.
    int GetValue(int index) const;
    void SetValuesText(const QString &separator, const QString &text);
    QString GetValuesText(const QString &separator) const;
    void SetCapWidth(int n);
    // The width of every spin box (the sum range wants a wider one).
    void SetSpinWidth(int n);
    QRect RectOfSpinEd(int index) const;
    QRect RectOfCap(int index) const;

    int spinWidth() const { return SpinWidth; }
    int capWidth() const { return CapWidth; }
    int itemHeight() const { return ItemHeight; }
    QString caption(int index) const;
    // The child input of an item (for placing the text cursor or reading it in a
    // test); nullptr outside the items.
    QSpinBox *spinEdit(int index) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QSize LayoutSize() const override;
    void PlaceChildren() override;
    int ItemWidth() const;
    QSpinBox *NewSpinEdit();

    std::vector<QSpinBox *> SpinEdits;
    int SpinWidth = 40;
    int CapWidth = 50;
    int ItemHeight = 22;
    bool m_pressed = false;
};
