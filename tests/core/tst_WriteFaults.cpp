// Every file the program writes, failing half-way: the disk fills up (a file-size limit in
// a child process), the folder is read-only (the child drops root's rights, which ignore
// permissions), or the target is a folder. The old file must stay whole, no temporary
// file may be left behind, and the error must carry the system's reason.
#include "core/base/TextFile.h"
#include "core/code/SsqError.h"
#include "core/history/HistoryFile.h"
#include "core/reduction/ConditionFile.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Writes a payload well above the size limit below; answers false with the reason.
using Writer = std::function<bool(const QString &path, QString &error)>;

constexpr rlim_t kSizeLimit = 16 * 1024;
const QByteArray kOld = "the old file, which must survive\r\n";

template <typename Throwing>
Writer throwing(Throwing write)
{
    return [write](const QString &path, QString &error) {
        try {
            write(path);
            return true;
        } catch (const SsqError &e) {
            error = e.text();
            return false;
        }
    };
}

Writer writerNamed(const QString &name)
{
    if (name == QLatin1String("history"))
        return [](const QString &path, QString &error) {
            QString text;   // 5000 draws, 100 a year, as the save accepts them
            for (int i = 0; i < 5000; ++i)
                text += QStringLiteral("%1%2 02 09 15 18 25 33 07\n").arg(2005 + i / 100).arg(i % 100 + 1, 3, 10, QLatin1Char('0'));
            return SaveHistoryFile(path, text, error);
        };
    if (name == QLatin1String("conditions"))
        return throwing([](const QString &path) {
            ConditionSet conditions = DefaultConditions();
            for (int i = 0; i < 3000; ++i)
                conditions.CodeSel1 << QStringLiteral("01,02,03,04&0,1");
            ExportConditionFile(path, conditions, true);   // the player agreed to replace it
        });
    // The result, ticket, recommendation and back-test exports write through this one.
    return [](const QString &path, QString &error) {
        QStringList lines;
        for (int i = 0; i < 5000; ++i)
            lines << QStringLiteral("第%1行 01,02,03,04,05,06").arg(i);
        QByteArray bytes;
        GbkLinesBytes(lines, bytes);
        return WriteFileAtomically(path, bytes, error);
    };
}

const QStringList kWriters{"history", "conditions", "atomic"};

struct ChildOutcome
{
    bool ran = false;
    bool written = false;
    QString error;
};

// Runs the writer in a child process prepared by `prepare`, so that the limits and the
// lost rights end with it.
ChildOutcome runInChild(const Writer &write, const QString &path, const std::function<void()> &prepare)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(fds[0]);
        prepare();
        QString error;
        const bool written = write(path, error);
        const QByteArray report = QByteArray(written ? "1" : "0") + error.toUtf8();
        if (::write(fds[1], report.constData(), size_t(report.size())) < 0)
            _exit(2);
        _exit(0);
    }
    ::close(fds[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, qsizetype(n));
    ::close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.isEmpty())
        return {};
    return {true, report.startsWith('1'), QString::fromUtf8(report.mid(1))};
}

} // namespace

class TestWriteFaults : public QObject
{
    Q_OBJECT
private slots:
    // The file-size limit makes the write fail with EFBIG exactly as a full disk fails
    // with ENOSPC: part of the bytes are written, then no more. A read-only folder refuses
    // the temporary file.
    void childFaults_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<bool>("full");   // the disk fills up; else the folder is read-only
        for (const QString &w : kWriters) {
            QTest::addRow("disk full, %s", qPrintable(w)) << w << true;
            QTest::addRow("read-only folder, %s", qPrintable(w)) << w << false;
        }
    }
    void childFaults()
    {
        QFETCH(QString, writer);
        QFETCH(bool, full);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("in"));
        QVERIFY(QDir().mkdir(folder));
        const QString path = folder + QStringLiteral("/target.txt");
        QVERIFY(writeFile(path, kOld));
        // The file itself is writable for everybody: only the folder refuses.
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0666) == 0);
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), full ? 0755 : 0555) == 0);
        const ChildOutcome outcome = runInChild(writerNamed(writer), path, [full] {
            if (full) {
                std::signal(SIGXFSZ, SIG_IGN);   // a failing write, not a killed process
                const rlimit limit{kSizeLimit, kSizeLimit};
                setrlimit(RLIMIT_FSIZE, &limit);
            } else if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
                _exit(3);   // root writes into any folder; a user does not
            }
        });
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        QVERIFY(outcome.ran);
        QVERIFY2(!outcome.written, "the write did not fail");
        QVERIFY2(outcome.error.contains(QString::fromLocal8Bit(std::strerror(full ? EFBIG : EACCES))), qPrintable(outcome.error));
        QCOMPARE(readAll(path), kOld);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"target.txt"});
        // Without the limit the same writer succeeds: the failure came from the limit.
        QString error;
        QVERIFY2(!full || writerNamed(writer)(path, error), qPrintable(error));
        QVERIFY(!full || QFileInfo(path).size() > qint64(kSizeLimit));
    }

    void targetIsAFolder_data()
    {
        QTest::addColumn<QString>("writer");
        for (const QString &w : kWriters)
            QTest::newRow(qPrintable(w)) << w;
    }
    void targetIsAFolder()
    {
        QFETCH(QString, writer);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("target.txt"));
        QVERIFY(QDir().mkdir(path));
        QVERIFY(writeFile(path + QStringLiteral("/inside.txt"), kOld));
        QString error;
        QVERIFY(!writerNamed(writer)(path, error));
        QVERIFY2(error.contains(QStringLiteral("这是一个文件夹，不是文件（")), qPrintable(error));
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(readAll(path + QStringLiteral("/inside.txt")), kOld);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"target.txt"});
    }
};

QTEST_MAIN(TestWriteFaults)
#include "tst_WriteFaults.moc"
