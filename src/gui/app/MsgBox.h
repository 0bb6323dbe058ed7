#pragma once

#include <QString>
#include <functional>

class QWidget;

// Modal message boxes of the program. Tests replace them with a hook that records the
// text instead of blocking.
class MsgBox
{
public:
    enum Kind { Information, Error };
    using Hook = std::function<void(Kind kind, const QString &text)>;

    static void information(QWidget *parent, const QString &text);
    static void error(QWidget *parent, const QString &text);

    // An empty hook restores the real message boxes.
    static void setHook(Hook hook);

private:
    static void show(QWidget *parent, Kind kind, const QString &text);
};
