// SPDX-License-Identifier: MIT
#include "files/TextScrambling.h"
#include "files/Windows1252.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Texts are given by their Windows-1252 bytes, as they stand in a saved-reading file.
static QString fromBytes(const char *hex) { return Windows1252::decode(QByteArray::fromHex(hex)); }

class tst_TextScrambling : public QObject
{
    Q_OBJECT

private slots:
    void scramble_data();
    void scramble();
    void unscramble_data();
    void unscramble();
    void everyByteValue();
    void longestText_data();
    void longestText();
};

void tst_TextScrambling::scramble_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("scrambled");

    QTest::newRow("empty stays empty") << QString() << QString();
    QTest::newRow("abc") << u"abc"_s << fromBytes("B6 B7 B8");
    QTest::newRow("year 1980") << u"1980"_s << fromBytes("86 8E 8D 85");
    QTest::newRow("month June") << u"June"_s << fromBytes("9F CA C3 BA");
    QTest::newRow("e acute (233) is dropped, neighbours keep their order") << u"aéb"_s << fromBytes("B6 B7");
    QTest::newRow("character outside the code page is dropped") << u"aЖb"_s << fromBytes("B6 B7");
    QTest::newRow("character outside the BMP is dropped") << u"a😀b"_s << fromBytes("B6 B7");
    QTest::newRow("CR LF become b _") << u"\r\n"_s << u"b_"_s;
}

void tst_TextScrambling::scramble()
{
    QFETCH(QString, plain);
    QFETCH(QString, scrambled);
    QCOMPARE(modHelp::ScrambleText(plain), scrambled);
}

void tst_TextScrambling::unscramble_data()
{
    QTest::addColumn<QString>("scrambled");
    QTest::addColumn<QString>("plain");

    QTest::newRow("empty stays empty") << QString() << QString();
    QTest::newRow("abc") << fromBytes("B6 B7 B8") << u"abc"_s;
    QTest::newRow("day 7") << fromBytes("8C") << u"7"_s;
    QTest::newRow("capitals A to T (65..84) are dropped") << u"ABCDEFGHIJKLMNOPQRST"_s << QString();
    QTest::newRow("low bytes amid a line are dropped") << fromBytes("B6 00 0D 0A 41 B7") << u"ab"_s;
    QTest::newRow("character outside the code page is dropped") << u"\u00B6Ж\u00B7"_s << u"ab"_s;
}

void tst_TextScrambling::unscramble()
{
    QFETCH(QString, scrambled);
    QFETCH(QString, plain);
    QCOMPARE(modHelp::UnscrambleText(scrambled), plain);
}

// Over the 256 byte values: scrambling keeps codes 0..170 and moves them to 85..255; unscrambling keeps
// 85..255 and moves them back to 0..170, so every text of codes 0..170 round-trips.
void tst_TextScrambling::everyByteValue()
{
    QByteArray all;
    for (int code = 0; code < 256; ++code)
        all.append(char(code));
    const QByteArray lowest171 = all.first(171);
    const QByteArray highest171 = all.sliced(85);

    const QString scrambled = modHelp::ScrambleText(Windows1252::decode(all));
    QCOMPARE(Windows1252::encode(scrambled), highest171);
    QCOMPARE(Windows1252::encode(modHelp::UnscrambleText(scrambled)), lowest171);
    QCOMPARE(Windows1252::encode(modHelp::UnscrambleText(Windows1252::decode(all))), lowest171);
}

void tst_TextScrambling::longestText_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expected");

    QTest::newRow("32,767 characters are handled like any text") << 32767 << 32767;
    QTest::newRow("32,768 characters give the empty text") << 32768 << 0;
}

void tst_TextScrambling::longestText()
{
    QFETCH(int, length);
    QFETCH(int, expected);
    QCOMPARE(modHelp::ScrambleText(QString(length, u'a')), QString(expected, QChar(0xB6)));
    QCOMPARE(modHelp::UnscrambleText(QString(length, QChar(0xB6))), QString(expected, u'a'));
}

QTEST_APPLESS_MAIN(tst_TextScrambling)
#include "tst_TextScrambling.moc"
