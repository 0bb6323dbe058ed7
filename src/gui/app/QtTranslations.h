#pragma once

#include <QStringList>

// Loads Qt's own Simplified Chinese translations (the texts of its message-box buttons,
// file and print dialogs, context menus and web view), so that nothing the player meets
// speaks English. Returns the names of the catalogues that were installed; a missing
// catalogue is skipped, as the program stays usable in English then.
QStringList InstallQtChineseTranslations();
