#pragma once

#include <QString>

// Where the program finds and keeps its files.
//
// Run from its build folder (or any folder that holds a writable "ssq.dxt"), the program
// keeps the history, its side files ("ssq-dates.txt", "sources.ini") and the help text
// beside the executable.
// Installed into a system folder it keeps them in the user's data folder instead
// (~/.local/share/ssq), which is seeded with the shipped history at the first start.
namespace AppPaths {

// The folder that holds "ssq.dxt" and its side files. Decided once, on first use; needs the
// application object to exist.
QString DataFolder();
QString HistoryFile();
// The user's guide "readme.txt": beside the executable, else in the shared data folder
// of an installed program.
QString HelpFile();

// The decision itself, for tests: exeDir is the executable's folder, userDir the user's
// data folder, sharedDirs the folders where an installation keeps the shipped files.
QString ChooseDataFolder(const QString &exeDir, const QString &userDir, const QStringList &sharedDirs);

} // namespace AppPaths
