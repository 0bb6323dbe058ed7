#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <vector>

// A grid of numbered cells that the user switches on and off; a cell that is on is
// painted red. The reduction panel uses it for the red numbers a combination may
// use, the number picker to pick the numbers of a chosen-number group.
//
// Item model, keyboard and most operations follow TMultiChk; an item is a single
// cell with its caption centred in it. The grid sizes itself to its items
// (sizeHint() reports that size).
class TColorMChk : public QWidget
{
    Q_OBJECT

public:
    explicit TColorMChk(QWidget *parent = nullptr);
    ~TColorMChk() override;

    void AddItem(const QString &caption);
    void SetCount(int n);
    void SetCols(int n);
    bool GetCheck(int index) const;
    QString GetCaption(int index) const;
    int CheckedCount() const;
    void SelectAll();
    void SelectNone();
    int IndexOfCaption(const QString &text) const;
    void SetCheckedText(const QString &separator, const QString &text);
    QString GetCheckedText(const QString &separator) const;
    QRect RectOfChk(int index) const;

    // Cell size and the gap between cells; each lays the grid out again.
    void SetCellWidth(int n);
    void SetCellHeight(int n);
    void SetSpacing(int n);

    // Computes the size from the items, keeps the focus index valid, repaints and
    // notifies a change.
    void Relayout();

    int count() const { return Count; }
    int rows() const { return Rows; }
    int cols() const { return Cols; }
    int focusIndex() const { return FocusIndex; }
    int cellWidth() const { return CellWidth; }
    int cellHeight() const { return CellHeight; }
    int spacing() const { return Spacing; }
    // The fill of a cell that is off (the button face) or on (pure red).
    QColor cellColor(bool on) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Raised by every re-layout and every key press; not by the mouse and not by
    // the setting operations.
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QSize LayoutSize() const;
    void CheckIndex(int index, const char *message) const;
    void SetAll(std::uint8_t flag);
    void Toggle(int index);
    void PaintCell(QPainter &painter, int index);
    QFont CaptionFont() const;

    static constexpr int MinCaptionPixels = 9;

    std::vector<std::uint8_t> Checks;
    QStringList Captions;
    int CellWidth = 14;
    int CellHeight = 14;
    int Count = 0;
    int Rows = 0;
    int Cols = 3;
    int FocusIndex = 0;
    int Spacing = 3;
};
