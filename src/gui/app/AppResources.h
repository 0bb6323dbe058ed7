#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures, compiled into the library (src/gui/app/res, drawn by
// bench/gallery_artwork).
namespace AppResources {

// Lets the font "宋体", which the windows ask for by name, fall back to an installed
// Chinese font. Safe to call more than once.
void installFontSubstitutes();

// Registers the resources of the static library; safe to call more than once.
void init();

// A tool bar icon by name: "data", "chart", "scale", "recommend", "query", "web",
// "about", "exit", "download", "clear", "import", "save", "app".
QIcon icon(const QString &name);

QPixmap splashPicture();   // 450 x 353
QPixmap logoPicture();     // 161 x 41

} // namespace AppResources
