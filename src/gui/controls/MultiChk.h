#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <vector>

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
class TMultiChk : public QWidget
{
    Q_OBJECT

public:
    explicit TMultiChk(QWidget *parent = nullptr);
    ~TMultiChk() override;

    void AddItem(const QString &caption);
    void SetCount(int n);
    void SetCols(int n);
    void SetCapWidth(int n);
    void SetCheck(int index, bool flag);
    bool GetCheck(int index) const;
    QString GetCaption(int index) const;
    int CheckedCount() const;
    void ClearChecks();
    int IndexOfCaption(const QString &text) const;
    void SetCheckedText(const QString &separator, const QString &text);
    QString GetCheckedText(const QString &separator) const;
    QRect RectOfChk(int index) const;
    QRect RectOfCap(int index) const;

    // Computes the size from the items, keeps the focus index valid, repaints and
    // notifies a change.
    void Relayout();

    int count() const { return Count; }
    int rows() const { return Rows; }
    int cols() const { return Cols; }
    int focusIndex() const { return FocusIndex; }
    int chkWidth() const { return ChkWidth; }
    int capWidth() const { return CapWidth; }
    int itemHeight() const { return ItemHeight; }
    int spacing() const { return Spacing; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Raised by every re-layout, every key press and every item switched by the
    // mouse; not by the setting operations.
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QSize LayoutSize() const;
    int ItemWidth() const;
    void CheckIndex(int index, const char *message) const;
    void Toggle(int index);
    void PaintItem(QPainter &painter, int index);

    std::vector<std::uint8_t> Checks;
    QStringList Captions;
    int ChkWidth = 14;
    int CapWidth = 26;
    int ItemHeight = 14;
    int Count = 0;
    int Rows = 0;
    int Cols = 3;
    int FocusIndex = 0;
    int Spacing = 3;
};
