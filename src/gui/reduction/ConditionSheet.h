#pragma once

#include "core/history/DrawRecord.h"
#include "core/reduction/ConditionSet.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QScrollArea;
class TGapLabel;
class TMultiChk;
class TMultiSpinEdit;

// The tab "条件缩水" (RcmSheet1): four group boxes stacked on a coloured panel, with the
// check lists and value ranges of the reduction placed over the blank runs of their
// labels. The layout is fixed; a window too small for it scrolls.
class TConditionSheet : public QWidget
{
    Q_OBJECT

public:
    explicit TConditionSheet(QWidget *parent = nullptr);

    // Creates the check lists and ranges in the order of the condition set. Called once
    // at start-up; the labels and group boxes exist from construction.
    void CreateControls();
    bool hasControls() const { return SixZoneSpread != nullptr; }

    // Every condition of this tab, read from or written to the controls.
    void readInto(ConditionSet &conditions) const;
    void writeFrom(const ConditionSet &conditions);

    // Shows the newest draw's reds beside "与上期相同个数：" (plain caption when the
    // history is empty).
    void RcmSheet1Show(const TBeenCodesRecArr &history);

    QScrollArea *RcmSheet1Scroll = nullptr;
    QWidget *RcmSheet1Panel = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    TGapLabel *SameTailCountLbl = nullptr;

    std::array<TMultiChk *, 3> ZoneCounts{};
    TMultiChk *SixZoneSpread = nullptr;
    TMultiChk *SixZoneOddEven = nullptr;
    std::array<TMultiChk *, 3> Mod3Counts{};
    TMultiChk *Mod6Groups = nullptr;
    TMultiSpinEdit *AcRange = nullptr;
    TMultiSpinEdit *MaxGapRange = nullptr;
    TMultiChk *OddEvenRatio = nullptr;
    TMultiChk *BigSmallRatio = nullptr;
    TMultiChk *ConsecCount = nullptr;
    TMultiChk *ConsecGroups = nullptr;
    TMultiSpinEdit *SumRange = nullptr;
    TMultiChk *SameTailCount = nullptr;
    TMultiChk *PrevTailSame = nullptr;
    TMultiSpinEdit *TailSumRange = nullptr;
    TMultiChk *TailMod5Groups = nullptr;
    TMultiChk *TailBigSmallRatio = nullptr;

    // "（不限）" beside each range that counts as no condition, and the note below the
    // boxes that says why a 连号 choice removes nothing.
    QLabel *AcRangeFreeLbl = nullptr;
    QLabel *MaxGapRangeFreeLbl = nullptr;
    QLabel *SumRangeFreeLbl = nullptr;
    QLabel *TailSumRangeFreeLbl = nullptr;
    QLabel *RcmSheet1NoteLbl = nullptr;

    // Shows or hides the marks and the note for the conditions as they stand.
    void refreshNotes();

signals:
    // The tab became visible (the moment the newest draw is shown again).
    void shown();
    // The note below the boxes got a new text (empty when it was hidden).
    void noteChanged(const QString &note);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *newGroupBox(const QString &caption, int top, int height);
    TGapLabel *newLabel(QGroupBox *box, const QString &caption, int left, int top);
    void placeObstacles();
    void fitPanelWidth();
    QLabel *newFreeMark(TMultiSpinEdit *range, ValueRange ConditionSet::*member);

    QList<TGapLabel *> m_labels;
    int m_contentWidth = 680;
};
