#include "app/AppPaths.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestAppPaths : public QObject
{
    Q_OBJECT

private slots:
    void buildFolderKeepsFilesBesideTheProgram()
    {
        QTemporaryDir root;
        const QString exe = root.filePath("bin");
        QDir().mkpath(exe);
        QVERIFY(writeFile(exe + "/ssq.dxt", "2005013 02 09 15 18 25 33 07\r\n"));
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
        QVERIFY(writeFile(share + "/ssq.dxt", "shipped\r\n"));
        const QString user = root.filePath("home/.local/share/ssq");
        QCOMPARE(AppPaths::ChooseDataFolder(exe, user, {share}), user);
        QCOMPARE(readAll(user + "/ssq.dxt"), QByteArray("shipped\r\n"));

        // The user's own history is never overwritten by the shipped one.
        QVERIFY(writeFile(user + "/ssq.dxt", "mine\r\n"));
        QCOMPARE(AppPaths::ChooseDataFolder(exe, user, {share}), user);
        QCOMPARE(readAll(user + "/ssq.dxt"), QByteArray("mine\r\n"));
    }

};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_AppPaths.moc"
