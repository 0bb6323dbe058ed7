#include "core/base/AppPaths.h"

#include "core/base/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppPaths {

namespace {
QString historyName() { return QString::fromUtf16(AppInfo::kHistoryFileName); }

QStringList installedShareDirs()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    QStringList dirs{QDir(exeDir).absoluteFilePath(QStringLiteral("../share/ssq"))};
    for (const QString &d : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dirs << QDir(d).filePath(QStringLiteral("ssq"));
    return dirs;
}
} // namespace

QString ChooseDataFolder(const QString &exeDir, const QString &userDir, const QStringList &sharedDirs)
{
    const QFileInfo besideExe(QDir(exeDir).filePath(historyName()));
    if (besideExe.exists() && QFileInfo(exeDir).isWritable())
        return exeDir;

    QDir().mkpath(userDir);
    const QString userHistory = QDir(userDir).filePath(historyName());
    if (!QFileInfo::exists(userHistory)) {
        // First start of an installed program: the user gets a copy of the shipped
        // history to work on; the shipped file itself is never written.
        QStringList sources;
        if (besideExe.exists())
            sources << besideExe.filePath();
        for (const QString &d : sharedDirs)
            sources << QDir(d).filePath(historyName());
        for (const QString &source : sources) {
            if (QFileInfo::exists(source) && QFile::copy(source, userHistory)) {
                QFile::setPermissions(userHistory, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
                break;
            }
        }
    }
    return userDir;
}

QString DataFolder()
{
    static const QString folder = ChooseDataFolder(
        QCoreApplication::applicationDirPath(),
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("ssq")),
        installedShareDirs());
    return folder;
}

QString HistoryFile() { return QDir(DataFolder()).filePath(historyName()); }

QString HelpFile()
{
    const QString name = QString::fromUtf16(AppInfo::kHelpFileName);
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    for (const QString &d : installedShareDirs()) {
        const QString candidate = QDir(d).filePath(name);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return beside;
}

} // namespace AppPaths
