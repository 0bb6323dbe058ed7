#pragma once

#include "gui/controls/ItemGridControl.h"

#include <cstdint>
#include <vector>

// An item grid with one checked flag per item: TMultiChk and TColorMChk. Items are
// added one at a time and keep their index (the order of addition, from 0).
class TCheckGridControl : public TItemGridControl
{
    Q_OBJECT

public:
    void AddItem(const QString &caption);
    void SetCount(int n);
    bool GetCheck(int index) const;
    QString GetCaption(int index) const;
    int CheckedCount() const;
    int IndexOfCaption(const QString &text) const;
    // Checks exactly the items whose captions the text names; unknown pieces are ignored.
    void SetCheckedText(const QString &separator, const QString &text);
    QString GetCheckedText(const QString &separator) const;

protected:
    explicit TCheckGridControl(QWidget *parent);

    // The caption a piece of a checked text names (the number grid drops a leading zero).
    virtual QString CaptionOfPiece(const QString &piece) const { return piece; }

    void SetAllChecks(std::uint8_t flag);
    void Toggle(int index);
    // The grid keys, and Enter or Space switches the focused item.
    void keyPressEvent(QKeyEvent *event) override;

    std::vector<std::uint8_t> Checks;
};
