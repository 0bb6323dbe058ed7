#pragma once

#include "wheel/WheelSearch.h"

#include <QString>
#include <functional>

class TProgressForm;

// Runs a wheel computation on a worker thread while the progress window shows how far
// the search is, with a "取消" button for the player. The window appears only when the
// work is not done at once (a table entry answers without it). Answers false when the
// player cancelled.
class TWheelRunner
{
public:
    explicit TWheelRunner(TProgressForm *form);

    bool run(const QString &title, const std::function<void(WheelControl &)> &job);

private:
    TProgressForm *m_form;
};
