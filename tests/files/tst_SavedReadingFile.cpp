// SPDX-License-Identifier: MIT
#include "files/SavedReading.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Example = QStringLiteral(WETONARA_TEST_DATA "/abc-7-June-1980.jav");
constexpr qint64 TwoGigabytes = qint64(2) << 30;

enum class Picked {
    Example,
    Missing,
    Empty,
    Folder,
    Fifo,
    CharacterDevice,
    SparseZeros,
    SparseAfterReading,
    Link,
    Unreadable
};
enum class Obstacle { None, FileSizeLimit, ReadOnlyFile, ReadOnlyFolder };

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool runsAsRoot() { return ::geteuid() == 0; }

// Writes beyond `limit` bytes fail with EFBIG, as on a full disk; SIGXFSZ would otherwise end the test.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{limit, m_saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

}  // namespace

Q_DECLARE_METATYPE(Picked)
Q_DECLARE_METATYPE(Obstacle)

class tst_SavedReadingFile : public QObject
{
    Q_OBJECT

private slots:
    void readAnyPickedFile_data();
    void readAnyPickedFile();
    void writeNewFile();
    void writtenAndReadBack_data();
    void writtenAndReadBack();
    void longestReadingIsReadWhole();
    void replaceWholeFileKeepingPermissions();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();

private:
    QString prepare(Picked picked, const QDir &dir);
};

QString tst_SavedReadingFile::prepare(Picked picked, const QDir &dir)
{
    const QString path = dir.filePath(u"picked.jav"_s);
    const QByteArray example = contents(Example);
    switch (picked) {
    case Picked::Example: return Example;
    case Picked::Missing: return path;
    case Picked::Empty: return put(path, {}) ? path : QString();
    case Picked::Folder: return dir.mkdir(u"picked.jav"_s) ? path : QString();
    case Picked::Fifo: return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    case Picked::CharacterDevice: return QFile::exists(u"/dev/zero"_s) ? u"/dev/zero"_s : QString();
    case Picked::SparseZeros: return put(path, {}) && QFile(path).resize(TwoGigabytes) ? path : QString();
    case Picked::SparseAfterReading: return put(path, example) && QFile(path).resize(TwoGigabytes) ? path : QString();
    case Picked::Link: return QFile::link(Example, path) ? path : QString();
    case Picked::Unreadable:
        return put(path, example) && QFile::setPermissions(path, QFileDevice::WriteOwner) ? path : QString();
    }
    return {};
}

void tst_SavedReadingFile::readAnyPickedFile_data()
{
    QTest::addColumn<Picked>("picked");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("the stored example") << Picked::Example << true;
    QTest::newRow("a link to it") << Picked::Link << true;
    QTest::newRow("2 GB file whose first four lines are a reading: more follows")
        << Picked::SparseAfterReading << false;
    QTest::newRow("missing file") << Picked::Missing << false;
    QTest::newRow("empty file") << Picked::Empty << false;
    QTest::newRow("a folder") << Picked::Folder << false;
    QTest::newRow("a FIFO with no writer does not hang") << Picked::Fifo << false;
    QTest::newRow("an endless device") << Picked::CharacterDevice << false;
    QTest::newRow("2 GB of NULs") << Picked::SparseZeros << false;
    QTest::newRow("no read permission") << Picked::Unreadable << false;
}

void tst_SavedReadingFile::readAnyPickedFile()
{
    QFETCH(Picked, picked);
    QFETCH(bool, accepted);
    if (picked == Picked::Unreadable && runsAsRoot())
        QSKIP("permissions do not stop reads by root");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = prepare(picked, QDir(dir.path()));
    if (path.isEmpty())
        QSKIP("this file system cannot hold such a file");

    const std::optional<SavedReading::Fields> fields = SavedReading::readFile(path);
    QCOMPARE(fields.has_value(), accepted);
    if (accepted)
        QCOMPARE(*fields, (SavedReading::Fields{u"abc"_s, u"7"_s, u"June"_s, u"1980"_s}));
}

void tst_SavedReadingFile::writeNewFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"new.jav"_s);
    QVERIFY(SavedReading::writeFile(path, SavedReading::compose({u"abc"_s, 1980, u"June"_s, 7})));
    QCOMPARE(contents(path), contents(Example));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"new.jav"_s});
}

void tst_SavedReadingFile::writtenAndReadBack_data()
{
    QTest::addColumn<bool>("afterSunset");
    QTest::newRow("before sunset") << false;
    QTest::newRow("after sunset") << true;
}

void tst_SavedReadingFile::writtenAndReadBack()
{
    QFETCH(bool, afterSunset);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"siti.jav"_s);
    QVERIFY(SavedReading::writeFile(path, SavedReading::compose({u"Siti"_s, 2036, u"December"_s, 31, afterSunset})));
    QCOMPARE(QFileInfo(path).size(), 26 + (afterSunset ? 14 : 0));
    QCOMPARE(SavedReading::readFile(path),
             (SavedReading::Fields{u"Siti"_s, u"31"_s, u"December"_s, u"2036"_s, afterSunset}));
}

// The longest saved reading, a 32,767-character name and the fifth line, is read whole; one byte more after
// it is seen, and refused.
void tst_SavedReadingFile::longestReadingIsReadWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"long.jav"_s);
    const QString name(SavedReading::LongestName, u'a');
    const QByteArray longest = SavedReading::compose({name, 1980, u"June"_s, 7, true});
    QVERIFY(put(path, longest));
    QCOMPARE(SavedReading::readFile(path), (SavedReading::Fields{name, u"7"_s, u"June"_s, u"1980"_s, true}));
    QVERIFY(put(path, longest + "x"));
    QCOMPARE(SavedReading::readFile(path), std::nullopt);
}

void tst_SavedReadingFile::replaceWholeFileKeepingPermissions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.jav"_s);
    QVERIFY(put(path, QByteArray(1000, 'x')));
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(path, permissions));

    QVERIFY(SavedReading::writeFile(path, contents(Example)));
    QCOMPARE(contents(path), contents(Example));
    const auto ownerGroupOther = QFileDevice::Permissions(0x7077);  // leaves out the "current user" copies
    QCOMPARE(QFile::permissions(path) & ownerGroupOther, permissions);
}

void tst_SavedReadingFile::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("target");  // relative to the test folder, which holds old.jav and sub/
    QTest::addColumn<Obstacle>("obstacle");
    // The system's error number reported; 0 where Qt refuses by itself, -1 where Qt's own steps leave one.
    QTest::addColumn<int>("cause");

    QTest::newRow("folder that does not exist") << u"missing/new.jav"_s << Obstacle::None << ENOENT;
    QTest::newRow("a file in place of the folder") << u"old.jav/new.jav"_s << Obstacle::None << ENOTDIR;
    QTest::newRow("a folder in place of the file") << u"sub"_s << Obstacle::None << 0;
    QTest::newRow("empty path") << QString() << Obstacle::None << -1;
    QTest::newRow("disk full midway (file size limit)") << u"old.jav"_s << Obstacle::FileSizeLimit << EFBIG;
    QTest::newRow("read-only existing file") << u"old.jav"_s << Obstacle::ReadOnlyFile << EACCES;
    QTest::newRow("unwritable folder") << u"old.jav"_s << Obstacle::ReadOnlyFolder << EACCES;
}

void tst_SavedReadingFile::failedWriteKeepsOldFile()
{
    QFETCH(QString, target);
    QFETCH(Obstacle, obstacle);
    QFETCH(int, cause);
    if ((obstacle == Obstacle::ReadOnlyFile || obstacle == Obstacle::ReadOnlyFolder) && runsAsRoot())
        QSKIP("permissions do not stop writes by root");
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    const QString oldPath = dir.filePath(u"old.jav"_s);
    const QByteArray old = contents(Example);
    QVERIFY(put(oldPath, old) && dir.mkdir(u"sub"_s));
    const auto entries = [&] { return dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); };
    const QStringList before = entries();

    SavedReading::Written written{true};
    {
        std::optional<FileSizeLimit> limit;
        if (obstacle == Obstacle::FileSizeLimit)
            limit.emplace(old.size() / 2);
        if (obstacle == Obstacle::ReadOnlyFile)
            QVERIFY(QFile::setPermissions(oldPath, QFileDevice::ReadOwner));
        if (obstacle == Obstacle::ReadOnlyFolder)
            QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        written =
            SavedReading::writeFile(target.isEmpty() ? QString() : dir.filePath(target), QByteArray(64 * 1024, '\xB6'));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QCOMPARE(contents(oldPath), old);
    QVERIFY(!written);
    if (cause >= 0)
        QCOMPARE(written.cause, cause);
    QCOMPARE(entries(), before);  // no temporary file left behind
    QVERIFY(QFileInfo(dir.filePath(u"sub"_s)).isDir());
}

QTEST_APPLESS_MAIN(tst_SavedReadingFile)
#include "tst_SavedReadingFile.moc"
