// SPDX-License-Identifier: MIT
#include "platform/qt/AbandonedLock.h"
#include "platform/qt/QtInstanceLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// Copies of the program are real processes here: this test starts itself as a helper that takes the
// lock the way the program does and holds it until told to stop (or until it is killed).
namespace {

const char HoldMode[] = "--hold-lock";

int holdLockForParent(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // As in the program, the application's name is not its executable's name.
    QCoreApplication::setApplicationName(QStringLiteral("Wetonara"));
    // An empty path is the program's own place.
    platform::QtInstanceLock lock(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    const bool acquired = lock.acquire();
    std::puts(acquired ? "acquired" : "busy");
    std::fflush(stdout);
    if (acquired)
        while (std::getchar() != EOF) {
        }  // held until the parent closes our input
    return 0;
}

// Starts a helper copy and returns what it says about the lock (at `path`, or the program's place).
QByteArray startCopy(QProcess &copy, const QString &path = QString(), int waitMs = 30000)
{
    copy.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(HoldMode), path});
    if (!copy.waitForStarted(waitMs) || !copy.waitForReadyRead(waitMs))
        return "no answer";
    return copy.readLine().trimmed();
}

QString runtimeLock() { return qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/wetonara.lock"); }

}  // namespace

class tst_QtInstanceLock : public QObject
{
    Q_OBJECT
private slots:
    void liveCopyKeepsTheLock();
    void killedCopyDoesNotBlockTheNextStart();
    void oneCopyAsksTwice();
    void lockStates_data();
    void lockStates();
    void lockThatCannotBeMadeLetsTheProgramStart();
    void liveHoldersAreNeverAbandoned_data();
    void liveHoldersAreNeverAbandoned();

private:
    QTemporaryDir m_scratch;
    int m_row = 0;
};

void tst_QtInstanceLock::liveCopyKeepsTheLock()
{
    QProcess first;
    QCOMPARE(startCopy(first), QByteArray("acquired"));
    QVERIFY2(QFileInfo::exists(runtimeLock()), qPrintable(runtimeLock()));

    QProcess second;
    QCOMPARE(startCopy(second), QByteArray("busy"));
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(platform::QtInstanceLock().acquire(), false);

    // The first copy ends normally: its lock goes with it.
    first.closeWriteChannel();
    QVERIFY(first.waitForFinished(30000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QVERIFY(!QFileInfo::exists(runtimeLock()));
    platform::QtInstanceLock next;
    QVERIFY(next.acquire());
}

void tst_QtInstanceLock::killedCopyDoesNotBlockTheNextStart()
{
    QProcess crashed;
    QCOMPARE(startCopy(crashed), QByteArray("acquired"));
    crashed.kill();  // SIGKILL: nothing of the copy runs any more, its lock file stays behind
    QVERIFY(crashed.waitForFinished(30000));
    QCOMPARE(crashed.exitStatus(), QProcess::CrashExit);
    QVERIFY(QFileInfo::exists(runtimeLock()));

    QProcess next;
    QCOMPARE(startCopy(next), QByteArray("acquired"));
    next.closeWriteChannel();
    QVERIFY(next.waitForFinished(30000));
}

void tst_QtInstanceLock::oneCopyAsksTwice()
{
    platform::QtInstanceLock lock;
    QVERIFY(lock.acquire());
    QVERIFY(lock.acquire());
    // Another lock object in the same process is another claimant, and the lock is taken.
    QCOMPARE(platform::QtInstanceLock().acquire(), false);
    QProcess other;
    QCOMPARE(startCopy(other), QByteArray("busy"));
    QVERIFY(other.waitForFinished(30000));
}

enum LockState { FileWithContents, Directory, Fifo, HeldByLiveCopy, HeldInThisProcess };

void tst_QtInstanceLock::lockStates_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("ageSecs");
    QTest::addColumn<bool>("acquired");
    // As QLockFile writes it: process number, executable's name, host, machine identity, boot identity.
    // 2147483647 is above any process number Linux hands out, so that process is surely gone.
    const QByteArray otherHost = "2147483647\nWetonara\nsomewhere-else\n0123456789abcdef\n42\n";
    const QByteArray thisProcess = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                                   + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n'
                                   + QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n'
                                   + QSysInfo::bootUniqueId() + '\n';
    QTest::newRow("empty file left a minute ago: taken over") << 0 << QByteArray() << 60 << true;
    QTest::newRow("garbage left an hour ago: taken over") << 0 << QByteArray("\x01garbage\n\xff") << 3600 << true;
    QTest::newRow("empty file just made: a copy may be starting") << 0 << QByteArray() << 0 << false;
    QTest::newRow("garbage just written: a copy may be starting") << 0 << QByteArray("\x01garbage") << 2 << false;
    QTest::newRow("other host, dead process, 30 days old: taken over") << 0 << otherHost << 30 * 86400 << true;
    QTest::newRow("other host, dead process, just written") << 0 << otherHost << 0 << false;
    QTest::newRow("dated a year ahead by a clock set back: taken over") << 0 << otherHost << -365 * 86400 << true;
    QTest::newRow("this process's number from an earlier run: taken over") << 0 << thisProcess << 3600 << true;
    QTest::newRow("directory: a lock file beside it") << int(Directory) << QByteArray() << 0 << true;
    QTest::newRow("FIFO: never opened, a lock file beside it") << int(Fifo) << QByteArray() << 0 << true;
    QTest::newRow("live copy on this machine, an hour old: kept")
        << int(HeldByLiveCopy) << QByteArray() << 3600 << false;
    // Judged abandoned, as a copy of the same number in another process namespace is: its file lock
    // keeps the file in place, and a lock that cannot be removed because it is held is held.
    QTest::newRow("held, yet naming this process: kept, no second lock beside it")
        << int(HeldInThisProcess) << QByteArray() << 3600 << false;
}

// Whatever was found at the lock path, a copy that gets the lock really holds it: another copy is kept
// out.
void tst_QtInstanceLock::lockStates()
{
    QFETCH(int, state);
    QFETCH(QByteArray, contents);
    QFETCH(int, ageSecs);
    QFETCH(bool, acquired);
    const QString path = m_scratch.filePath(QStringLiteral("row%1.lock").arg(++m_row));
    QProcess holder;
    QLockFile heldHere(path);
    if (state == HeldInThisProcess)
        QVERIFY(heldHere.tryLock(0));
    if (state == Directory)
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
#ifdef Q_OS_UNIX
    if (state == Fifo) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        // Whoever opens a FIFO to read waits for a writer: the copies meet it apart from the test, which
        // then fails in seconds instead of hanging.
        QProcess first, second;
        QCOMPARE(startCopy(first, path, 5000), QByteArray("acquired"));
        QCOMPARE(startCopy(second, path, 5000), QByteArray("busy"));
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(30000));
        return;
    }
#endif
    if (state == HeldByLiveCopy)
        QCOMPARE(startCopy(holder, path), QByteArray("acquired"));
    if (state == FileWithContents || state == HeldByLiveCopy || state == HeldInThisProcess) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        QCOMPARE(file.write(contents), contents.size());
        QVERIFY(file.flush());  // written first, so the time set below is the last change
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSecs), QFileDevice::FileModificationTime));
    }

    platform::QtInstanceLock lock(path);
    QCOMPARE(lock.acquire(), acquired);
    if (acquired) {
        QProcess other;
        QCOMPARE(startCopy(other, path), QByteArray("busy"));
        QVERIFY(other.waitForFinished(30000));
    }
    holder.closeWriteChannel();
    QVERIFY(state != HeldByLiveCopy || holder.waitForFinished(30000));
}

void tst_QtInstanceLock::lockThatCannotBeMadeLetsTheProgramStart()
{
    QFile plain(m_scratch.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    platform::QtInstanceLock lock(plain.fileName() + QStringLiteral("/wetonara.lock"));
    QVERIFY(lock.acquire());
}

void tst_QtInstanceLock::liveHoldersAreNeverAbandoned_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("heldByThisProcess");
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid());
    QTest::newRow("this process's own lock, held") << pid + "\nWetonara\n" + QSysInfo::machineHostName().toUtf8() + '\n'
                                                   << true;
    // The host was renamed since the holder started; the machine's identity still names this machine.
    QTest::newRow("a live holder under the host's old name")
        << "1\nWetonara\nold-name\n" + QSysInfo::machineUniqueId() + '\n'
        << false;
}

// Whatever its age: QLockFile found the holder alive, and the holder is on this machine.
void tst_QtInstanceLock::liveHoldersAreNeverAbandoned()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, heldByThisProcess);
    if (QSysInfo::machineUniqueId().isEmpty())
        QSKIP("this machine has no identity to tell it by");
    QFile file(m_scratch.filePath(QStringLiteral("row%1.lock").arg(++m_row)));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.flush());
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    QVERIFY(!platform::isAbandonedLock(file.fileName(), heldByThisProcess));
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], HoldMode) == 0)
        return holdLockForParent(argc, argv);
    // A runtime folder of this test's own (mode 0700, as the session's is), inherited by the helpers.
    QTemporaryDir runtime;
    if (!runtime.isValid()
        || !QFile::setPermissions(runtime.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return 1;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QCoreApplication app(argc, argv);
    tst_QtInstanceLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_QtInstanceLock.moc"
