#pragma once

#include "core/wheel/WheelSearch.h"

#include <QString>
#include <functional>

class QWidget;
class TProgressForm;

// Runs a wheel computation on a worker thread while the progress window shows how far
// the search is, with a "取消" button for the player. The window appears only when the
// work is not done at once (a table entry answers without it). While it runs the rest of
// the program takes no input, except that closing the main window (its X, or a control
// marked with the property "closesWindow") cancels the work and closes the window when
// it has stopped. Answers false when the work was cancelled.
class TWheelRunner
{
public:
    TWheelRunner(TProgressForm *form, QWidget *window);

    bool run(const QString &title, const std::function<void(WheelControl &)> &job);

private:
    TProgressForm *m_form;
    QWidget *m_window;
};
