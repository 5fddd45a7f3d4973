// SPDX-License-Identifier: MIT
#include "files/SavedReading.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Lines of a file as hexadecimal bytes, each followed by CR LF.
static QByteArray lines(std::initializer_list<const char *> hexLines)
{
    QByteArray bytes;
    for (const char *hex : hexLines)
        bytes += QByteArray::fromHex(hex) + "\r\n";
    return bytes;
}

// The fields as a list; a birth after sunset adds "after sunset".
static QStringList asList(const std::optional<SavedReading::Fields> &fields)
{
    if (!fields)
        return {};
    QStringList list{fields->name, fields->day, fields->month, fields->year};
    if (fields->afterSunset)
        list << u"after sunset"_s;
    return list;
}

static const char *const Abc = "B6 B7 B8", *const Day7 = "8C", *const June = "9F CA C3 BA",
                         *const Y1980 = "86 8E 8D 85";
// "after sunset", each character's code plus 85.
static const char *const AfterSunset = "B6 BB C9 BA C7 75 C8 CA C3 C8 BA C9";

class tst_SavedReading : public QObject
{
    Q_OBJECT

private slots:
    void compose_data();
    void compose();
    void savedReadingOpensAgain_data();
    void savedReadingOpensAgain();
    void parse_data();
    void parse();
    void unstorableCharacters_data();
    void unstorableCharacters();
    void extension_data();
    void extension();
};

void tst_SavedReading::compose_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("afterSunset");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("abc, 7 June 1980: the 20 bytes")
        << u"abc"_s << 7 << u"June"_s << 1980 << false
        << QByteArray::fromHex("B6B7B8 0D0A 8C 0D0A 9FCAC3BA 0D0A 868E8D85 0D0A");
    QTest::newRow("e acute is not stored") << u"José"_s << 31 << u"December"_s << 2036 << false
                                           << lines({"9F C4 C8", "88 86", "99 BA B8 BA C2 B7 BA C7", "87 85 88 8B"});
    QTest::newRow("empty name still makes four lines")
        << QString() << 1 << u"January"_s << 1901 << false << lines({"", "86", "9F B6 C3 CA B6 C7 CE", "86 8E 85 86"});
    QTest::newRow("after sunset: a fifth line, the date as entered")
        << u"abc"_s << 7 << u"June"_s << 1980 << true << lines({Abc, Day7, June, Y1980, AfterSunset});
}

void tst_SavedReading::compose()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(bool, afterSunset);
    QFETCH(QByteArray, bytes);
    QCOMPARE(SavedReading::compose({name, qint16(year), month, qint16(day), afterSunset}), bytes);
}

void tst_SavedReading::savedReadingOpensAgain_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("openedName");

    QTest::newRow("plain name") << u"Siti Rahayu"_s << u"Siti Rahayu"_s;
    QTest::newRow("storable non-ASCII: euro, OE, pound, feminine ordinal") << u"€Œ£ª"_s << u"€Œ£ª"_s;
    QTest::newRow("tab and inner spaces") << u"a\tb  c"_s << u"a\tb  c"_s;
    QTest::newRow("accented letters come back without them") << u"Zoë Núñez"_s << u"Zo Nez"_s;
    QTest::newRow("name of nothing storable opens empty") << u"Анна"_s << QString();
}

void tst_SavedReading::savedReadingOpensAgain()
{
    QFETCH(QString, name);
    QFETCH(QString, openedName);
    const QByteArray bytes = SavedReading::compose({name, 2036, u"December"_s, 31});
    QCOMPARE(asList(SavedReading::parse(bytes)), (QStringList{openedName, u"31"_s, u"December"_s, u"2036"_s}));
}

void tst_SavedReading::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");  // empty: refused

    const QStringList abc{u"abc"_s, u"7"_s, u"June"_s, u"1980"_s};
    const QByteArray example = lines({Abc, Day7, June, Y1980});
    QTest::newRow("the saved example") << example << abc;
    QTest::newRow("fourth line without its CR LF") << example.chopped(2) << abc;
    QTest::newRow("LF-only line ends") << QByteArray(example).replace("\r\n", "\n") << abc;
    QTest::newRow("CR-only line ends") << QByteArray(example).replace("\r\n", "\r") << abc;
    const QStringList abcAfterSunset = abc + QStringList{u"after sunset"_s};
    const QByteArray withOption = lines({Abc, Day7, June, Y1980, AfterSunset});
    QTest::newRow("after sunset") << withOption << abcAfterSunset;
    QTest::newRow("after sunset, LF-only line ends") << QByteArray(withOption).replace("\r\n", "\n") << abcAfterSunset;
    QTest::newRow("after sunset without its CR LF") << withOption.chopped(2) << abcAfterSunset;
    QTest::newRow("empty name line is a complete reading")
        << lines({"", Day7, June, Y1980}) << QStringList{QString(), u"7"_s, u"June"_s, u"1980"_s};
    QTest::newRow("bytes below 85 amid lines are dropped")
        << lines({"B6 00 B7 41 B8", "8C 20", "9F 09 CA C3 BA", "54 86 8E 8D 85"}) << abc;
    QTest::newRow("high bytes in the name become characters up to 170")
        << lines({"FF D5", Day7, June, Y1980}) << QStringList{u"ª€"_s, u"7"_s, u"June"_s, u"1980"_s};
    QTest::newRow("first listed date, 1 January 1901") << lines({Abc, "86", "9F B6 C3 CA B6 C7 CE", "86 8E 85 86"})
                                                       << QStringList{u"abc"_s, u"1"_s, u"January"_s, u"1901"_s};
    QTest::newRow("name line of 32,767 bytes, the longest a save writes")
        << QByteArray(32767, '\xB6') + "\r\n" + lines({Day7, June, Y1980})
        << QStringList{QString(32767, u'a'), u"7"_s, u"June"_s, u"1980"_s};

    QTest::newRow("empty file") << QByteArray() << QStringList();
    // Anything after the fourth line but the after-sunset line could change the reading: refused.
    QTest::newRow("unknown fifth line") << lines({Abc, Day7, June, Y1980, "B7 BA BB C4 C7 BA 75 B9 B6 CC C3"})
                                        << QStringList();  // "before dawn"
    QTest::newRow("after sunset, then another line") << withOption + lines({Abc}) << QStringList();
    QTest::newRow("after sunset twice") << withOption + lines({AfterSunset}) << QStringList();
    QTest::newRow("after sunset with a byte below 85 in it")
        << lines({Abc, Day7, June, Y1980, "B6 BB C9 BA C7 00 75 C8 CA C3 C8 BA C9"}) << QStringList();
    QTest::newRow("after sunset in capitals")
        << lines({Abc, Day7, June, Y1980, "96 BB C9 BA C7 75 C8 CA C3 C8 BA C9"}) << QStringList();
    QTest::newRow("after sunset unscrambled") << example + "after sunset\r\n" << QStringList();
    QTest::newRow("an empty fifth line") << example + "\r\n" << QStringList();
    QTest::newRow("an empty fifth line, LF-only line ends") << QByteArray(example).replace("\r\n", "\n") + "\n"
                                                            << QStringList();
    QTest::newRow("binary after the fourth line")
        << example + QByteArray::fromHex("00 FF 0D 0A 41") + QByteArray(100000, '\0') << QStringList();
    QTest::newRow("only two lines") << lines({Abc, Day7}) << QStringList();
    QTest::newRow("three lines") << lines({Abc, Day7, June}) << QStringList();
    QTest::newRow("name line of 32,768 bytes")
        << QByteArray(32768, '\xB6') + "\r\n" + lines({Day7, June, Y1980}) << QStringList();
    QTest::newRow("name line of 32,768 bytes running into the day: never split")
        << QByteArray(32768, '\xB6') + lines({Day7, June, Y1980}) << QStringList();
    QTest::newRow("day with a leading zero") << lines({Abc, "85 8C", June, Y1980}) << QStringList();
    QTest::newRow("day 0") << lines({Abc, "85", June, Y1980}) << QStringList();
    QTest::newRow("day 32") << lines({Abc, "88 87", June, Y1980}) << QStringList();
    QTest::newRow("month in lower case") << lines({Abc, Day7, "BF CA C3 BA", Y1980}) << QStringList();
    QTest::newRow("year 1900, before the list") << lines({Abc, Day7, June, "86 8E 85 85"}) << QStringList();
    QTest::newRow("year 2037, after the list") << lines({Abc, Day7, June, "87 85 88 8C"}) << QStringList();
    QTest::newRow("unscrambled text") << QByteArray("abc\r\n7\r\nJune\r\n1980\r\n") << QStringList();
    QTest::newRow("lines of NUL bytes") << QByteArray("\0\r\n\0\r\n\0\r\n\0\r\n", 12) << QStringList();
    QByteArray allBytes;
    for (int code = 0; code < 256; ++code)
        allBytes.append(char(code));
    QTest::newRow("binary: every byte value in order") << allBytes << QStringList();
    QTest::newRow("binary: a megabyte of NULs") << QByteArray(1 << 20, '\0') << QStringList();
}

void tst_SavedReading::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QCOMPARE(asList(SavedReading::parse(bytes)), fields);
}

void tst_SavedReading::unstorableCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unstorable");

    QTest::newRow("ASCII name") << u"Budi Santoso"_s << QString();
    QTest::newRow("storable non-ASCII up to code 170") << u"€Œ£ª"_s << QString();
    QTest::newRow("e acute") << u"José"_s << u"é"_s;
    QTest::newRow("each once, in order of first appearance") << u"Zoë Núñez Ñúñez"_s << u"ëúñÑ"_s;
    QTest::newRow("left guillemet (171)") << u"«a»"_s << u"«»"_s;
    QTest::newRow("Cyrillic: capital and small A are two characters") << u"Анна"_s << u"Ана"_s;
    QTest::newRow("C1 control with no byte") << QString(QChar(0x80)) << QString(QChar(0x80));
    QTest::newRow("characters beyond the BMP stay whole") << u"a😀b😁😀"_s << u"😀😁"_s;
}

void tst_SavedReading::unstorableCharacters()
{
    QFETCH(QString, name);
    QFETCH(QString, unstorable);
    QCOMPARE(SavedReading::unstorableCharacters(name), unstorable);
}

void tst_SavedReading::extension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("reading.jav") << u"/home/budi/My Reading.jav"_s << true;
    QTest::newRow("capitals JAV are refused") << u"/home/budi/READING.JAV"_s << false;
    QTest::newRow("mixed case Jav is refused") << u"reading.Jav"_s << false;
    QTest::newRow("empty path (cancelled dialog) is refused") << QString() << false;
    QTest::newRow("other extension") << u"reading.txt"_s << false;
    QTest::newRow("jav not at the end") << u"reading.jav.txt"_s << false;
}

void tst_SavedReading::extension()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(SavedReading::hasSavedReadingExtension(path), accepted);
}

QTEST_APPLESS_MAIN(tst_SavedReading)
#include "tst_SavedReading.moc"
