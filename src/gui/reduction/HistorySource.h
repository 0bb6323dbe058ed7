#pragma once

#include "core/history/DrawRecord.h"

#include <functional>

// The history as it is when a command runs; the main window replaces it on every parse,
// so the panels ask for it rather than keep a copy.
using HistorySource = std::function<const TBeenCodesRecArr &()>;
