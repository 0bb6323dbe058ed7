#pragma once

#include "gui/reduction/CodeGroupEditor.h"

#include <QWidget>

// The tab "自选号码" (RcmSheet2): the two group editors, the upper one 212 pixels high,
// the lower one filling the rest.
class TCodeSelSheet : public QWidget
{
    Q_OBJECT

public:
    explicit TCodeSelSheet(QWidget *parent = nullptr);

    void CreateControls();
    void setPickerSource(const TCodeGroupEditor::PickerSource &source);

    // Sizes the two lists to their boxes (each time the tab is shown or resized).
    void RcmSheet2Show();

    TCodeGroupEditor *RcmSheet2Gbx1 = nullptr;
    TCodeGroupEditor *RcmSheet2Gbx2 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};
