#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Modal message boxes of the program. Tests replace them with a hook that records the
// text instead of blocking.
class MsgBox
{
public:
    // Information: a result; Warning: what the player asked for cannot be done as asked
    // (a count too large, a wrong line); Error: a failure (a file, a printer).
    enum Kind { Information, Warning, Error, Question };
    using Hook = std::function<void(Kind kind, const QString &text)>;
    // Answers a question in a test: the index of the button pressed.
    using AskHook = std::function<int(const QString &text, const QStringList &buttons)>;

    static void information(QWidget *parent, const QString &text);
    static void warning(QWidget *parent, const QString &text);
    static void error(QWidget *parent, const QString &text);
    // A question with the given buttons, `defaultButton` the one Enter presses (a question
    // that would throw away draws or settings makes its safe answer the default); answers the
    // index of the button pressed, `cancelButton` when the box is closed with Esc or its title bar.
    // With no ask hook but a message hook (a test that did not expect the question) the
    // question goes to the message hook and is answered with `cancelButton`, so nothing
    // is lost and nothing blocks.
    static int ask(QWidget *parent, const QString &text, const QStringList &buttons, int cancelButton,
                   int defaultButton = 0);

    // An empty hook restores the real message boxes.
    static void setHook(Hook hook);
    static void setAskHook(AskHook hook);

private:
    static void show(QWidget *parent, Kind kind, const QString &text);
};
