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

// The bar's maximum: 110 steps for each of sixteen stages. The run ends with the bar at
// this position (full), as the nineteen stages of 110 steps overrun it anyway.
inline constexpr int kProgressMaximum = 1760;
inline constexpr char16_t kProgressTitle[] = u"正在进行缩水计算...";
