#pragma once

#include "core/reduction/ReductionProgress.h"

class TProgressForm;

// Drives the progress window during a reduction. The run keeps the event loop waiting,
// so every change is painted at once. Without a window it does nothing.
class TProgressFormDriver : public ReductionProgress
{
public:
    explicit TProgressFormDriver(TProgressForm *form);

    void start(const QString &title, int maximum) override;
    void setPosition(int position) override;
    void finish() override;

private:
    TProgressForm *m_form;
};
