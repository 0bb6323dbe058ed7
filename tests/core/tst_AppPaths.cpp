#include "app/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestAppPaths : public QObject
{
    Q_OBJECT

private slots:
    void buildFolderKeepsFilesBesideTheProgram()
    {
        QTemporaryDir root;
        const QString exe = root.filePath("bin");
        QDir().mkpath(exe);
        writeFile(exe + "/ssq.dxt", "2005013 02 09 15 18 25 33 07\r\n");
        const QString user = root.filePath("user");
        QCOMPARE(AppPaths::ChooseDataFolder(exe, user, {}), exe);
        QVERIFY(!QFileInfo::exists(user));
    }

    void installedProgramSeedsTheUserFolder()
    {
        QTemporaryDir root;
        const QString exe = root.filePath("usr/bin");
        const QString share = root.filePath("usr/share/ssq");
        QDir().mkpath(exe);
        QDir().mkpath(share);
        writeFile(share + "/ssq.dxt", "shipped\r\n");
        const QString user = root.filePath("home/.local/share/ssq");
        QCOMPARE(AppPaths::ChooseDataFolder(exe, user, {share}), user);
        QCOMPARE(readFile(user + "/ssq.dxt"), QByteArray("shipped\r\n"));

        // The user's own history is never overwritten by the shipped one.
        writeFile(user + "/ssq.dxt", "mine\r\n");
        QCOMPARE(AppPaths::ChooseDataFolder(exe, user, {share}), user);
        QCOMPARE(readFile(user + "/ssq.dxt"), QByteArray("mine\r\n"));
    }

};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_AppPaths.moc"
