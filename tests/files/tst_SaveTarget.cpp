#include "fakes/Immutable.h"
#include "files/SaveTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

using namespace Qt::StringLiterals;
using SaveTarget::Kind;
using SaveTarget::Outcome;

namespace {

enum class Standing { Folder, Fifo, Device, Socket, LinkToFifo, LinkToFile, ReadOnlyFile, ReadOnlyFolder, NoFolder };

const QByteArray Old = QByteArrayLiteral("earlier reading");
const QByteArray New = QByteArrayLiteral("new reading");

// Only a regular file is read: a FIFO would wait for a writer.
QByteArray contents(const QString &path)
{
    QFile file(path);
    if (SaveTarget::kindAt(path) != Kind::File)
        return {};
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A listening socket's file stays after its descriptor closes, as one left behind by a crashed server.
bool makeSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::copy(name.cbegin(), name.cend(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

// A read-only place: by permission bits for a user, by the immutable flag for root, who writes through
// permission bits.
bool makeReadOnly(const QString &path, QFileDevice::Permissions permissions)
{
    return ::geteuid() == 0 ? fakes::setImmutable(path, true) : QFile::setPermissions(path, permissions);
}

}  // namespace

Q_DECLARE_METATYPE(Standing)

class tst_SaveTarget : public QObject
{
    Q_OBJECT
private slots:
    void whatStandsThereDecides_data();
    void whatStandsThereDecides();

private:
    QString prepare(Standing standing, const QDir &dir);
};

// Sets up what stands at the returned path, in a folder "sub" of the test folder; empty when this
// machine or user cannot make it.
QString tst_SaveTarget::prepare(Standing standing, const QDir &dir)
{
    const QDir sub(dir.filePath(u"sub"_s));
    const QString path = sub.filePath(u"reading.jav"_s);
    const QByteArray native = QFile::encodeName(path);
    const QString other = dir.filePath(u"elsewhere"_s);
    switch (standing) {
    case Standing::Folder: return sub.mkdir(u"reading.jav"_s) ? path : QString();
    case Standing::Fifo: return ::mkfifo(native.constData(), 0600) == 0 ? path : QString();
    case Standing::Device:  // the null device's numbers; making one needs root
        return ::mknod(native.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0 ? path : QString();
    case Standing::Socket: return makeSocket(path) ? path : QString();
    case Standing::LinkToFifo:
        return ::mkfifo(QFile::encodeName(other).constData(), 0600) == 0 && QFile::link(other, path) ? path : QString();
    case Standing::LinkToFile: return put(other, Old) && QFile::link(other, path) ? path : QString();
    case Standing::ReadOnlyFile: return put(path, Old) && makeReadOnly(path, QFileDevice::ReadOwner) ? path : QString();
    case Standing::ReadOnlyFolder:
        return put(path, Old) && makeReadOnly(sub.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner) ? path
                                                                                                          : QString();
    case Standing::NoFolder: return sub.filePath(u"missing/reading.jav"_s);
    }
    return {};
}

void tst_SaveTarget::whatStandsThereDecides_data()
{
    QTest::addColumn<Standing>("standing");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("says");  // in the message, besides the chosen path

    QTest::newRow("a folder is refused by name") << Standing::Folder << Outcome::NotAFile << "is a folder, not a file";
    QTest::newRow("a FIFO is refused and stays a FIFO")
        << Standing::Fifo << Outcome::NotAFile << "is a named pipe (FIFO), not a file";
    QTest::newRow("a device node is refused and stays a device")
        << Standing::Device << Outcome::NotAFile << "is a device, not a file";
    QTest::newRow("a socket is refused and stays a socket")
        << Standing::Socket << Outcome::NotAFile << "is a socket, not a file";
    QTest::newRow("a link to a FIFO is refused; link and FIFO stay")
        << Standing::LinkToFifo << Outcome::NotAFile << "is a named pipe (FIFO)";
    QTest::newRow("a link to a file writes that file and stays a link") << Standing::LinkToFile << Outcome::Saved << "";
    QTest::newRow("a read-only file says so and stays")
        << Standing::ReadOnlyFile << Outcome::ReadOnlyFile << "because that file is read-only";
    QTest::newRow("a writable file in a read-only folder names the folder and stays")
        << Standing::ReadOnlyFolder << Outcome::ReadOnlyFolder << "cannot be written to";
    QTest::newRow("a folder that does not exist gets the general advice")
        << Standing::NoFolder << Outcome::Failed << "the disk is not full";
}

void tst_SaveTarget::whatStandsThereDecides()
{
    QFETCH(Standing, standing);
    QFETCH(Outcome, outcome);
    QFETCH(QString, says);
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    QVERIFY(dir.mkdir(u"sub"_s));
    const QString sub = dir.filePath(u"sub"_s);
    const auto release = qScopeGuard([&] {
        fakes::setImmutable(sub, false);
        fakes::setImmutable(sub + u"/reading.jav"_s, false);
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    const QString path = prepare(standing, dir);
    if (path.isEmpty())
        QSKIP("this machine or user cannot make such a file");
    const auto everything = [&] {
        QStringList found;
        for (const QString &folder : {dir.path(), sub})
            for (const QFileInfo &entry :
                 QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
                found << entry.fileName() + u':' + QString::number(int(SaveTarget::kindAt(entry.filePath()))) + u':'
                             + QString::number(entry.isSymLink()) + u':'
                             + QString::fromLatin1(contents(entry.filePath()).toHex());
        return found;
    };
    const QStringList before = everything();

    QCOMPARE(SaveTarget::write(path, New), outcome);

    if (outcome == Outcome::Saved) {
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(contents(dir.filePath(u"elsewhere"_s)), New);
        return;
    }
    QCOMPARE(everything(), before);  // what stood there stays, and no temporary file is left
    const QString message = SaveTarget::failureMessage(outcome, path);
    QVERIFY2(message.contains(u'"' + QDir::toNativeSeparators(path) + u'"') && message.contains(says),
             qPrintable(message));
    if (outcome == Outcome::ReadOnlyFolder)
        QVERIFY2(message.contains(u'"' + QDir::toNativeSeparators(sub) + u'"'), qPrintable(message));
}

QTEST_APPLESS_MAIN(tst_SaveTarget)
#include "tst_SaveTarget.moc"
