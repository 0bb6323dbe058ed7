#pragma once

#include <QColor>
#include <QIcon>

// The pictures of the recommendation tool bar, painted rather than stored: a lottery
// ball in the colour of each command, two balls for the multi-number tickets, and a
// printer.
namespace RecommendIcons {

QIcon ball(const QColor &colour);
QIcon twoBalls(const QColor &front, const QColor &back);
QIcon printer();

} // namespace RecommendIcons
