#pragma once

#include <QtGlobal>

// Limits of the online update's download. The history of every draw since 2003 is a few
// hundred kilobytes; anything far larger is not the history file. The download blocks
// the program's commands, so it must end within a bounded time.
struct UpdateRules
{
    qint64 maxBytes = 16 * 1024 * 1024;
    int timeoutMs = 30 * 1000;
};
