#include "platform/qt/QtInstanceLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

// Copies of the program are real processes here: this test starts itself as a helper that takes the
// lock the way the program does and holds it until told to stop (or until it is killed).
namespace {

const char HoldMode[] = "--hold-lock";

int holdLockForParent(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // As in the program, the application's name is not its executable's name.
    QCoreApplication::setApplicationName(QStringLiteral("Wetonara"));
    platform::QtInstanceLock lock;
    const bool acquired = lock.acquire();
    std::puts(acquired ? "acquired" : "busy");
    std::fflush(stdout);
    if (acquired)
        while (std::getchar() != EOF) {
        }  // held until the parent closes our input
    return 0;
}

// Starts a helper copy and returns what it says about the lock.
QByteArray startCopy(QProcess &copy)
{
    copy.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(HoldMode)});
    if (!copy.waitForStarted(30000) || !copy.waitForReadyRead(30000))
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
    void unreadableLockFile_data();
    void unreadableLockFile();
    void lockThatCannotBeMadeLetsTheProgramStart();

private:
    QTemporaryDir m_scratch;
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

void tst_QtInstanceLock::unreadableLockFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("ageSecs");
    QTest::addColumn<bool>("acquired");
    QTest::newRow("empty file left a minute ago: taken over") << QByteArray() << 60 << true;
    QTest::newRow("garbage left an hour ago: taken over") << QByteArray("\x01garbage\n\xff") << 3600 << true;
    QTest::newRow("empty file just made: a copy may be starting") << QByteArray() << 0 << false;
}

void tst_QtInstanceLock::unreadableLockFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, ageSecs);
    QFETCH(bool, acquired);
    const QString path = m_scratch.filePath(QString::fromLatin1(QTest::currentDataTag()).left(5) + ".lock");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    QVERIFY(file.flush());  // written first, so the time set below is the last change
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSecs), QFileDevice::FileModificationTime));
    file.close();
    platform::QtInstanceLock lock(path);
    QCOMPARE(lock.acquire(), acquired);
}

void tst_QtInstanceLock::lockThatCannotBeMadeLetsTheProgramStart()
{
    QFile plain(m_scratch.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    platform::QtInstanceLock lock(plain.fileName() + QStringLiteral("/wetonara.lock"));
    QVERIFY(lock.acquire());
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
