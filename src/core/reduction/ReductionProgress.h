#pragma once

#include <QString>

// What the reduction tells the progress window. All calls come from the thread that
// started the run; the window repaints at once on setPosition (the run does not return
// to the event loop until it ends).
class ReductionProgress
{
public:
    virtual ~ReductionProgress() = default;
    // Shows the window with its title label and a bar running from 0 to `maximum`.
    virtual void start(const QString &title, int maximum) = 0;
    // Called only when the position changes.
    virtual void setPosition(int position) = 0;
    // Hides the window; called also when a run ends early.
    virtual void finish() = 0;
};

// The bar's maximum. Each of the nineteen stages moves the bar on by 110 steps, so it
// stands full from the sixteenth stage on; the run ends with the bar at this position.
inline constexpr int kProgressMaximum = 1760;
inline constexpr char16_t kProgressTitle[] = u"正在进行缩水计算...";
