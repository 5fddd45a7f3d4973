// SPDX-License-Identifier: MIT
#include "OpenDescriptors.h"
#include "platform/qt/PrivateFolder.h"
#include "platform/qt/QtHandOver.h"
#include "platform/qt/QtInstanceLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// The folder of the lock and the hand-over socket. A copy of the program is a real process here: this
// test starts itself as a helper that takes the lock and listens as the program does, then vanishes
// without cleaning up, so what it made stays where it made it.
namespace {

const char StartMode[] = "--start-like-the-program";

int startLikeTheProgram(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    platform::QtInstanceLock lock;
    lock.acquire();
    platform::QtHandOver handOver;
    handOver.listen({});
    std::_Exit(0);
}

enum class Place { OwnFolder, LinkToOwnFolder, OthersFolder, File };

// What another user may leave where the runtime folder is swapped to.
enum class Stranger { OthersFolder, LinkElsewhere };

// The entries of a folder held open, whatever name it has now.
QStringList entriesOf(int folder)
{
    return QDir(QStringLiteral("/proc/self/fd/%1").arg(folder))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
}

void empty(int folder)
{
    for (const QString &name : entriesOf(folder))
        ::unlinkat(folder, QFile::encodeName(name).constData(), 0);
}

}  // namespace

Q_DECLARE_METATYPE(Place)
Q_DECLARE_METATYPE(Stranger)

class tst_PrivateFolder : public QObject
{
    Q_OBJECT
private slots:
    void onlyAPrivateFolderIsUsed_data();
    void onlyAPrivateFolderIsUsed();
    void aSwappedFolderIsNeverUsed_data();
    void aSwappedFolderIsNeverUsed();
};

void tst_PrivateFolder::onlyAPrivateFolderIsUsed_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<int>("mode");  // of what is made there
    QTest::addColumn<bool>("used");
    QTest::addColumn<int>("modeAfter");
    const auto row = [](const char *name, Place place, int mode, bool used, int modeAfter) {
        QTest::newRow(name) << place << mode << used << modeAfter;
    };
    row("our folder, 0700: used", Place::OwnFolder, 0700, true, 0700);
    row("others may read and enter (0755): closed to them, used", Place::OwnFolder, 0755, true, 0700);
    row("the group may enter (0710): closed to it, used", Place::OwnFolder, 0710, true, 0700);
    row("others may enter (0701): closed to them, used", Place::OwnFolder, 0701, true, 0700);
    row("the group may write (0770): refused, left as it was", Place::OwnFolder, 0770, false, 0770);
    row("the group may only write (0720): refused", Place::OwnFolder, 0720, false, 0720);
    row("others may write (0703): refused", Place::OwnFolder, 0703, false, 0703);
    row("a link to a folder of ours, 0700: refused", Place::LinkToOwnFolder, 0700, false, 0700);
    row("another user's folder, 0700: refused", Place::OthersFolder, 0700, false, 0700);
    row("a file, not a folder: refused", Place::File, 0600, false, 0600);
}

// The rules, one place at a time; a folder that is used is the one names in it reach.
void tst_PrivateFolder::onlyAPrivateFolderIsUsed()
{
    QFETCH(Place, place);
    QFETCH(int, mode);
    QFETCH(bool, used);
    QFETCH(int, modeAfter);
    if (place == Place::OthersFolder && ::geteuid() != 0)
        QSKIP("a folder of another user can only be made as root");
    QTemporaryDir scratch;
    const QString made = scratch.filePath(QStringLiteral("made"));
    const QByteArray native = QFile::encodeName(made);
    QVERIFY(place == Place::File ? QFile(made).open(QIODevice::WriteOnly) : ::mkdir(native.constData(), 0700) == 0);
    QVERIFY(::chmod(native.constData(), mode_t(mode)) == 0);
    if (place == Place::OthersFolder)
        QVERIFY(::chown(native.constData(), 65534, 65534) == 0);
    const QString asked = place == Place::LinkToOwnFolder ? scratch.filePath(QStringLiteral("link")) : made;
    if (place == Place::LinkToOwnFolder)
        QVERIFY(QFile::link(made, asked));

    const QStringList descriptors = openDescriptors();
    {
        const platform::PrivateFolder folder = platform::PrivateFolder::open(asked);
        QCOMPARE(folder.isValid(), used);
        struct stat status
        {};
        QVERIFY(::stat(native.constData(), &status) == 0);
        QCOMPARE(int(status.st_mode & 07777), modeAfter);
        if (used) {
            QFile probe(folder.path() + QStringLiteral("/probe"));
            QVERIFY(probe.open(QIODevice::WriteOnly));
            QVERIFY(QFileInfo::exists(made + QStringLiteral("/probe")));
        }
    }
    // A folder let go closes what it opened, and nothing else: not standard input where none was opened.
    QCOMPARE(openDescriptors(), descriptors);
}

void tst_PrivateFolder::aSwappedFolderIsNeverUsed_data()
{
    QTest::addColumn<Stranger>("stranger");
    QTest::newRow("another user's folder, open to all") << Stranger::OthersFolder;
    QTest::newRow("a link to a folder elsewhere") << Stranger::LinkElsewhere;
}

// Another user who can rename entries beside the runtime folder swaps it, over and over, with a folder
// of their choosing (rename exchange) while copies start: whatever the start checked is what it uses,
// so the lock and the socket never land in the stranger's folder.
void tst_PrivateFolder::aSwappedFolderIsNeverUsed()
{
    QFETCH(Stranger, stranger);
    if (stranger == Stranger::OthersFolder && ::geteuid() != 0)
        QSKIP("a folder of another user can only be made as root");
    QTemporaryDir scratch;
    const QDir dir(scratch.path());
    const QByteArray runtime = QFile::encodeName(dir.filePath(QStringLiteral("runtime")));
    const QByteArray swapped = QFile::encodeName(dir.filePath(QStringLiteral("swapped")));
    const QByteArray target = QFile::encodeName(dir.filePath(QStringLiteral("elsewhere")));
    QVERIFY(dir.mkdir(QStringLiteral("tmp")) && ::mkdir(runtime.constData(), 0700) == 0);
    if (stranger == Stranger::OthersFolder)
        QVERIFY(::mkdir(swapped.constData(), 0777) == 0 && ::chmod(swapped.constData(), 0777) == 0
                && ::chown(swapped.constData(), 65534, 65534) == 0);
    else
        QVERIFY(::mkdir(target.constData(), 0700) == 0 && ::symlink(target.constData(), swapped.constData()) == 0);
    const QByteArray strangersTarget = stranger == Stranger::OthersFolder ? swapped : target;
    const int ours = ::open(runtime.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int theirs = ::open(strangersTarget.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(ours >= 0 && theirs >= 0);

    std::atomic<bool> swapping = true;
    std::thread swapper([&] {
        while (swapping)
            ::renameat2(AT_FDCWD, runtime.constData(), AT_FDCWD, swapped.constData(), RENAME_EXCHANGE);
    });
    const auto stop = qScopeGuard([&] {
        swapping = false;
        swapper.join();
        ::close(ours);
        ::close(theirs);
    });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QFile::decodeName(runtime));
    environment.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("tmp")));
    constexpr int Starts = 100;
    int strayed = 0;
    for (int start = 0; start < Starts; ++start) {
        QProcess copy;
        copy.setProcessEnvironment(environment);
        copy.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(StartMode)});
        QVERIFY(copy.waitForFinished(30000));
        if (!entriesOf(theirs).isEmpty())
            ++strayed;
        empty(theirs);
        empty(ours);
    }
    std::printf("%d of %d starts put the lock or the socket in the stranger's folder\n", strayed, Starts);
    QCOMPARE(strayed, 0);
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], StartMode) == 0)
        return startLikeTheProgram(argc, argv);
    QCoreApplication app(argc, argv);
    tst_PrivateFolder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_PrivateFolder.moc"
