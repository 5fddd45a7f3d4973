// SPDX-License-Identifier: MIT
#include "fakes/Immutable.h"
#include "files/SaveTarget.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

using namespace Qt::StringLiterals;
using SaveTarget::Kind;
using SaveTarget::Outcome;

namespace {

enum class Standing {
    Folder,
    Fifo,
    Device,
    BlockDevice,
    Socket,
    LinkLoop,
    LinkToItself,
    LinkToFifo,
    LinkToFile,
    LinkIntoNoFolder,
    ReadOnlyFile,
    ReadOnlyFolder,
    ReadOnlyEmptyFolder,
    LinkIntoReadOnlyFolder,
    ReadOnlyFileSystem,
    FileOnReadOnlyFileSystem,
    NoFolder,
    FileForFolder,  // a file named like the folder the reading would go into
};

// Only a regular file is read: a FIFO would wait for a writer.
QByteArray contents(const QString &path)
{
    QFile file(path);
    return SaveTarget::kindAt(path) == Kind::File && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool put(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("old") == 3;
}

// A socket's file stays after its descriptor closes, as one a crashed server leaves behind.
bool makeSocket(const QByteArray &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::copy(path.cbegin(), path.cend(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

// Root writes through permission bits, but not through the immutable flag.
bool makeReadOnly(const QString &path, QFileDevice::Permissions permissions)
{
    return ::geteuid() == 0 ? fakes::setImmutable(path, true) : QFile::setPermissions(path, permissions);
}

// A small memory file system over the folder, read-only, holding the file NAME when one is given; root
// only.
bool mountReadOnly(const QString &folder, const QString &name)
{
    const QByteArray native = QFile::encodeName(folder);
    return ::mount("wetonara-test", native.constData(), "tmpfs", 0, "size=64k") == 0
           && (name.isEmpty() || put(folder + u'/' + name))
           && ::mount(nullptr, native.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

// Sets up what stands at sub/NAME (elsewhere is a link's target); false where this machine or user cannot
// make it.
bool prepare(Standing standing, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(u"sub/"_s + name), other = dir.filePath(u"elsewhere"_s);
    const QByteArray native = QFile::encodeName(path);
    switch (standing) {
    case Standing::Folder: return dir.mkdir(u"sub/"_s + name);
    case Standing::Fifo: return ::mkfifo(native.constData(), 0600) == 0;
    case Standing::Device: return ::mknod(native.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;  // null device
    case Standing::BlockDevice:
        return ::mknod(native.constData(), S_IFBLK | 0600, makedev(7, 0)) == 0;  // a loop device
    case Standing::Socket: return makeSocket(native);
    case Standing::LinkLoop:
        return QFile::link(dir.filePath(u"sub/other.jav"_s), path)
               && QFile::link(path, dir.filePath(u"sub/other.jav"_s));
    case Standing::LinkToItself: return QFile::link(path, path);
    case Standing::LinkToFifo:
        return ::mkfifo(QFile::encodeName(other).constData(), 0600) == 0 && QFile::link(other, path);
    case Standing::LinkToFile: return put(other) && QFile::link(other, path);
    case Standing::LinkIntoNoFolder: return QFile::link(dir.filePath(u"gone/"_s + name), path);
    case Standing::ReadOnlyFile: return put(path) && makeReadOnly(path, QFileDevice::ReadOwner);
    case Standing::ReadOnlyFolder:
        return put(path) && makeReadOnly(dir.filePath(u"sub"_s), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    case Standing::ReadOnlyEmptyFolder:
        return makeReadOnly(dir.filePath(u"sub"_s), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    case Standing::LinkIntoReadOnlyFolder:
        return dir.mkdir(u"locked"_s) && put(dir.filePath(u"locked/target.jav"_s))
               && QFile::link(dir.filePath(u"locked/target.jav"_s), path)
               && makeReadOnly(dir.filePath(u"locked"_s), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    case Standing::ReadOnlyFileSystem: return mountReadOnly(dir.filePath(u"sub"_s), QString());
    case Standing::FileOnReadOnlyFileSystem: return mountReadOnly(dir.filePath(u"sub"_s), name);
    case Standing::NoFolder: return dir.rmdir(u"sub"_s);
    case Standing::FileForFolder: return dir.rmdir(u"sub"_s) && put(dir.filePath(u"sub"_s));
    }
    return false;
}

}  // namespace

Q_DECLARE_METATYPE(Standing)

class tst_SaveTarget : public QObject
{
    Q_OBJECT
private slots:
    void savedUnderAnOpenableName_data();
    void savedUnderAnOpenableName();
    void whatStandsThereDecides_data();
    void whatStandsThereDecides();
};

void tst_SaveTarget::savedUnderAnOpenableName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("extension");  // empty: a reading's, the default
    QTest::newRow("no extension gets .jav") << "/home/siti/Siti"
                                            << "/home/siti/Siti.jav" << QString();
    QTest::newRow("a dot inside the name is no extension") << "Dr. Siti"
                                                           << "Dr. Siti.jav" << QString();
    QTest::newRow("a date with dots") << "Siti 7.6.1980"
                                      << "Siti 7.6.1980.jav" << QString();
    QTest::newRow("another extension is kept before .jav") << "a.txt"
                                                           << "a.txt.jav" << QString();
    QTest::newRow("capital JAV is not the extension") << "b.JAV"
                                                      << "b.JAV.jav" << QString();
    QTest::newRow("jav without its dot is not the extension") << "ajav"
                                                              << "ajav.jav" << QString();
    QTest::newRow("a name ending in .jav is kept") << "/tmp/c.jav"
                                                   << "/tmp/c.jav" << QString();
    QTest::newRow("a trailing dot gives way to .jav") << "noext."
                                                      << "noext.jav" << QString();
    QTest::newRow("trailing dots all give way") << "/tmp/noext..."
                                                << "/tmp/noext.jav" << QString();
    QTest::newRow("a folder's dots are not the name's") << "/tmp/old.d/noext."
                                                        << "/tmp/old.d/noext.jav" << QString();
    QTest::newRow("a name of dots keeps them, so it is not hidden") << "/tmp/..."
                                                                    << "/tmp/....jav" << QString();
    // The wetonan for the user's calendar, under the same rule with its own extension.
    QTest::newRow("ics: no extension gets .ics") << "/home/siti/Siti wetonan"
                                                 << "/home/siti/Siti wetonan.ics"
                                                 << "ics";
    QTest::newRow("ics: a name ending in .ics is kept") << "w.ics"
                                                        << "w.ics"
                                                        << "ics";
    QTest::newRow("ics: a reading's extension is another") << "w.jav"
                                                           << "w.jav.ics"
                                                           << "ics";
    QTest::newRow("ics: capitals are not the extension") << "w.ICS"
                                                         << "w.ICS.ics"
                                                         << "ics";
    QTest::newRow("ics: a trailing dot gives way") << "w."
                                                   << "w.ics"
                                                   << "ics";
    QTest::newRow("ics: a name of dots keeps them") << "/tmp/.."
                                                    << "/tmp/...ics"
                                                    << "ics";
}

void tst_SaveTarget::savedUnderAnOpenableName()
{
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QFETCH(QString, extension);
    QCOMPARE(extension.isEmpty() ? SaveTarget::pathFor(chosen) : SaveTarget::pathFor(chosen, extension), saved);
}

void tst_SaveTarget::whatStandsThereDecides_data()
{
    QTest::addColumn<Standing>("standing");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("says");  // in the message, besides the path
    QTest::addColumn<QString>("name");  // a reading's, or the wetonan's for the user's calendar

    QTest::newRow("a folder is refused by name")
        << Standing::Folder << Outcome::NotAFile << "is a folder, not a file" << u"reading.jav"_s;
    QTest::newRow("a FIFO is refused and stays a FIFO")
        << Standing::Fifo << Outcome::NotAFile << "is a named pipe (FIFO)" << u"reading.jav"_s;
    QTest::newRow("a device node is refused and stays a device")
        << Standing::Device << Outcome::NotAFile << "is a device" << u"reading.jav"_s;
    QTest::newRow("a block device is refused as a device")
        << Standing::BlockDevice << Outcome::NotAFile << "is a device, not a file" << u"reading.jav"_s;
    QTest::newRow("a socket is refused and stays a socket")
        << Standing::Socket << Outcome::NotAFile << "is a socket" << u"reading.jav"_s;
    QTest::newRow("a loop of two links is refused and stays")
        << Standing::LinkLoop << Outcome::NotAFile << "is a loop of symbolic links, not a file" << u"reading.jav"_s;
    QTest::newRow("a link to itself is refused and stays")
        << Standing::LinkToItself << Outcome::NotAFile << "is a loop of symbolic links, not a file" << u"reading.jav"_s;
    QTest::newRow("a link to a FIFO is refused; link and FIFO stay")
        << Standing::LinkToFifo << Outcome::NotAFile << "is a named pipe (FIFO)" << u"reading.jav"_s;
    QTest::newRow("a link to a file writes that file and stays a link")
        << Standing::LinkToFile << Outcome::Saved << "" << u"reading.jav"_s;
    QTest::newRow("a read-only file says so and stays")
        << Standing::ReadOnlyFile << Outcome::ReadOnlyFile << "because that file is read-only" << u"reading.jav"_s;
    QTest::newRow("a writable file in a read-only folder names the folder and stays")
        << Standing::ReadOnlyFolder << Outcome::ReadOnlyFolder
        << "the folder \"%1/sub\" cannot be written to. A file that is there stays as it was." << u"reading.jav"_s;
    QTest::newRow("a read-only folder without the file says nothing of a file")
        << Standing::ReadOnlyEmptyFolder << Outcome::ReadOnlyFolder
        << "the folder \"%1/sub\" cannot be written to. Please choose" << u"reading.jav"_s;
    QTest::newRow("a link to a file in a read-only folder names that folder")
        << Standing::LinkIntoReadOnlyFolder << Outcome::ReadOnlyFolder
        << "the folder \"%1/locked\" cannot be written to" << u"reading.jav"_s;
    QTest::newRow("a read-only file system is named as such")
        << Standing::ReadOnlyFileSystem << Outcome::ReadOnlyFileSystem
        << "the folder \"%1/sub\" is on a read-only file system" << u"reading.jav"_s;
    QTest::newRow("a file on a read-only file system: the file system is named, not the file")
        << Standing::FileOnReadOnlyFileSystem << Outcome::ReadOnlyFileSystem
        << "the folder \"%1/sub\" is on a read-only file system" << u"reading.jav"_s;
    QTest::newRow("a folder that does not exist is named")
        << Standing::NoFolder << Outcome::MissingFolder << "the folder \"%1/sub\" does not exist" << u"reading.jav"_s;
    QTest::newRow("a link into a folder that does not exist names that folder")
        << Standing::LinkIntoNoFolder << Outcome::MissingFolder << "the folder \"%1/gone\" does not exist"
        << u"reading.jav"_s;
    QTest::newRow("a file where the folder should be gets the system's cause and the general advice")
        << Standing::FileForFolder << Outcome::Failed << "(a part of the path is not a folder). Please check"
        << u"reading.jav"_s;
    // The same refusals for the calendar file: nothing is written and the message names what was saved.
    QTest::newRow("ics: a folder is refused by name")
        << Standing::Folder << Outcome::NotAFile << "is a folder, not a file" << u"w.ics"_s;
    QTest::newRow("ics: a link to a FIFO is refused")
        << Standing::LinkToFifo << Outcome::NotAFile << "is a named pipe (FIFO)" << u"w.ics"_s;
    QTest::newRow("ics: a link into a folder that does not exist names that folder")
        << Standing::LinkIntoNoFolder << Outcome::MissingFolder << "the folder \"%1/gone\" does not exist"
        << u"w.ics"_s;
    QTest::newRow("ics: a link to a file writes that file")
        << Standing::LinkToFile << Outcome::Saved << "" << u"w.ics"_s;
    QTest::newRow("ics: a read-only file says so")
        << Standing::ReadOnlyFile << Outcome::ReadOnlyFile << "because that file is read-only" << u"w.ics"_s;
}

void tst_SaveTarget::whatStandsThereDecides()
{
    QFETCH(Standing, standing);
    QFETCH(Outcome, outcome);
    QFETCH(QString, says);
    QFETCH(QString, name);
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    const QString path = dir.filePath(u"sub/"_s + name);
    const bool calendar = name.endsWith(u".ics"_s);
    QVERIFY(dir.mkdir(u"sub"_s));
    const auto release = qScopeGuard([&] {
        ::umount(QFile::encodeName(dir.filePath(u"sub"_s)).constData());
        for (const QString &folder : {dir.filePath(u"sub"_s), dir.filePath(u"locked"_s)}) {
            fakes::setImmutable(folder, false);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        fakes::setImmutable(path, false);
    });
    if (!prepare(standing, dir, name))
        QSKIP("this machine or user cannot make such a file");
    // Every entry with its kind, whether it is a link, and the contents of a regular file.
    const auto everything = [&] {
        QStringList found;
        for (const QString &folder : {dir.path(), dir.filePath(u"sub"_s), dir.filePath(u"locked"_s)})
            for (const QFileInfo &entry :
                 QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
                found << u"%1 %2 %3 %4"_s.arg(entry.fileName())
                             .arg(int(SaveTarget::kindAt(entry.filePath())))
                             .arg(entry.isSymLink())
                             .arg(QString::fromLatin1(contents(entry.filePath())));
        return found;
    };
    const QStringList before = everything();

    const SaveTarget::Result result = SaveTarget::write(path, "new");
    QCOMPARE(result.outcome, outcome);

    if (outcome == Outcome::Saved) {
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(contents(dir.filePath(u"elsewhere"_s)), "new");
        return;
    }
    QCOMPARE(everything(), before);  // what stood there stays, and no temporary file is left
    const QString message = SaveTarget::failureMessage(
        result, path, calendar ? SaveTarget::Content::Wetonan : SaveTarget::Content::Reading);
    QVERIFY2(message.contains(u'"' + path + u'"') && message.contains(says.arg(dir.path())), qPrintable(message));
    QVERIFY2(message.startsWith(calendar ? u"The wetonan could not be saved for your calendar as"_s
                                         : u"The reading could not be saved as"_s),
             qPrintable(message));
}

QTEST_APPLESS_MAIN(tst_SaveTarget)
#include "tst_SaveTarget.moc"
