// SPDX-License-Identifier: MIT
#include "platform/qt/QtSettingsArea.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

// The store is checked where it really lives: a configuration folder of this test's own, set before Qt
// starts, and a second process that reads what the first one wrote, as the next run of the program would.
namespace {

const QString Section = QStringLiteral("Settings");
const char ReadMode[] = "--read-setting";

// Bytes 128..159 of Windows-1252, as the scrambled texts carry them; the five undefined bytes stay C1
// controls.
const QString Windows1252High =
    QStringLiteral("\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
                   "\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178");

QString codes85To255()
{
    QString text;
    for (int code = 85; code < 128; ++code)
        text += QChar(code);
    text += Windows1252High;
    for (int code = 160; code < 256; ++code)
        text += QChar(code);
    return text;
}

void useFolder(const QString &folder) { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder); }

// What a later run reads: a fresh process of this test, reading one key from the given folder.
QString readInAnotherRun(const QString &folder, const QString &key)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(ReadMode), folder, QString::fromLatin1(key.toUtf8().toHex())});
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return QStringLiteral("<child failed>");
    return QString::fromUtf8(QByteArray::fromHex(child.readAllStandardOutput().trimmed()));
}

int readSettingForParent(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    useFolder(QString::fromLocal8Bit(argv[2]));
    const QString key = QString::fromUtf8(QByteArray::fromHex(argv[3]));
    const QString value = platform::QtSettingsArea().read(Section, key);
    std::fputs(value.toUtf8().toHex().constData(), stdout);
    return 0;
}

}  // namespace

class tst_QtSettingsArea : public QObject
{
    Q_OBJECT
public:
    explicit tst_QtSettingsArea(QString configHome) : m_configHome(std::move(configHome)) {}

private slots:
    void keptInTheUsersConfigurationFolder();
    void valuesComeBackByteForByte_data();
    void valuesComeBackByteForByte();
    void absentOrEmptiedKeyReadsEmpty();
    void unusableStoreActsEmpty_data();
    void unusableStoreActsEmpty();

private:
    QString m_configHome;
    QTemporaryDir m_scratch;
};

void tst_QtSettingsArea::keptInTheUsersConfigurationFolder()
{
    // First, before any test moves the store: the place the program itself uses.
    platform::QtSettingsArea().write(Section, QStringLiteral("first"), QStringLiteral("value"));
    QFile file(m_configHome + QStringLiteral("/Wetonara/Wetonara.conf"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray contents = file.readAll();
    QVERIFY2(contents.contains("[Settings]\nfirst=value"), contents.constData());
    QCOMPARE(readInAnotherRun(m_configHome, QStringLiteral("first")), QStringLiteral("value"));
}

void tst_QtSettingsArea::valuesComeBackByteForByte_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    // "Duration" and "2026-12-08" scrambled: the one pair the program stores.
    const QString scrambledKey = QStringLiteral("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
    QTest::newRow("scrambled key and date")
        << scrambledKey << QStringLiteral("\u2021\u2026\u2021\u2039\u201A\u2020\u2021\u201A\u2026\u008D");
    QTest::newRow("every code from 85 to 255") << QStringLiteral("codes") << codes85To255();
    QTest::newRow("spaces at both ends") << QStringLiteral("padded") << QStringLiteral("  two sides  ");
    QTest::newRow("list and comment marks") << QStringLiteral("list") << QStringLiteral("a, b; c,");
    QTest::newRow("looks like a stored variant") << QStringLiteral("variant") << QStringLiteral("@Variant(\\0\\0)");
    QTest::newRow("quotes, backslashes, = and brackets")
        << QStringLiteral("marks") << QStringLiteral("\"q\" \\n = [Settings] \\");
    QTest::newRow("line breaks, tab and control codes")
        << QStringLiteral("breaks") << QStringLiteral("a\r\nb\rc\nd\te\x01\x7f");
    QTest::newRow("key with spaces") << QStringLiteral("two words") << QStringLiteral("x");
    QTest::newRow("long value") << QStringLiteral("long") << QString(10000, QChar(0x2021));
}

void tst_QtSettingsArea::valuesComeBackByteForByte()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QString folder = m_scratch.filePath(QStringLiteral("roundtrip"));
    useFolder(folder);
    platform::QtSettingsArea store;
    store.write(Section, key, value);
    QCOMPARE(store.read(Section, key), value);
    QCOMPARE(readInAnotherRun(folder, key), value);
}

void tst_QtSettingsArea::absentOrEmptiedKeyReadsEmpty()
{
    const QString folder = m_scratch.filePath(QStringLiteral("absent"));
    useFolder(folder);
    platform::QtSettingsArea store;
    QCOMPARE(store.read(Section, QStringLiteral("never written")), QString());
    store.write(Section, QStringLiteral("emptied"), QStringLiteral("something"));
    store.write(Section, QStringLiteral("emptied"), QString());
    QCOMPARE(store.read(Section, QStringLiteral("emptied")), QString());
    QCOMPARE(readInAnotherRun(folder, QStringLiteral("emptied")), QString());
    // Another section is another place.
    store.write(QStringLiteral("Other"), QStringLiteral("k"), QStringLiteral("v"));
    QCOMPARE(store.read(Section, QStringLiteral("k")), QString());
}

void tst_QtSettingsArea::unusableStoreActsEmpty_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("beforeWrite");  // what a read gives from the damaged store
    QTest::addColumn<QString>("afterWrite");   // what the next run reads once a write was tried
    QTest::newRow("binary garbage: empty, then replaced by the write") << "garbage"
                                                                       << ""
                                                                       << "new";
    QTest::newRow("malformed file: empty, then replaced by the write") << "malformed"
                                                                       << ""
                                                                       << "new";
    QTest::newRow("a folder where the file belongs: write lost") << "folder"
                                                                 << ""
                                                                 << "";
    QTest::newRow("configuration folder under a plain file: write lost") << "under-file"
                                                                         << ""
                                                                         << "";
    QTest::newRow("read-only folder and file (not for root): write lost") << "read-only"
                                                                          << "kept"
                                                                          << "kept";
}

void tst_QtSettingsArea::unusableStoreActsEmpty()
{
    QFETCH(QString, damage);
    QFETCH(QString, beforeWrite);
    QFETCH(QString, afterWrite);
    QString folder = m_scratch.filePath(damage);
    const QString file = folder + QStringLiteral("/Wetonara/Wetonara.conf");
    QDir().mkpath(folder + QStringLiteral("/Wetonara"));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder + QStringLiteral("/Wetonara"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    });
    if (damage == QStringLiteral("garbage") || damage == QStringLiteral("malformed")) {
        QFile junk(file);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        QByteArray bytes = damage == QStringLiteral("malformed") ? QByteArray("[Settings\nold=kept\n") : QByteArray();
        for (int i = 0; i < 1024 && damage == QStringLiteral("garbage"); ++i)
            bytes += char((i * 131 + 7) % 256);  // every byte value, NUL, "[" and "=" among them
        junk.write(bytes);
    } else if (damage == QStringLiteral("folder")) {
        QVERIFY(QDir().mkpath(file));
    } else if (damage == QStringLiteral("under-file")) {
        QFile plain(m_scratch.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        folder = plain.fileName() + QStringLiteral("/config");
    } else if (damage == QStringLiteral("read-only")) {
        if (::geteuid() == 0)
            QSKIP("root may write anywhere");
        QFile existing(file);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("[Settings]\nold=kept\n");
        existing.close();
        QFile::setPermissions(file, QFileDevice::ReadOwner);
        QFile::setPermissions(folder + QStringLiteral("/Wetonara"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    useFolder(folder);
    platform::QtSettingsArea store;
    QCOMPARE(store.read(Section, QStringLiteral("old")), beforeWrite);
    store.write(Section, QStringLiteral("old"), QStringLiteral("new"));  // neither fails loudly nor crashes
    QCOMPARE(readInAnotherRun(folder, QStringLiteral("old")), afterWrite);
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], ReadMode) == 0)
        return readSettingForParent(argc, argv);
    // Set before Qt looks at it, so the default place of the store lies inside this test's folder.
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    QCoreApplication app(argc, argv);
    tst_QtSettingsArea test(configHome.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_QtSettingsArea.moc"
