// SPDX-License-Identifier: MIT
#include "files/Windows1252.h"

#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;

// The five bytes Windows-1252 leaves undefined; the program keeps them as the C1 controls of the same
// number so that no stored byte is lost.
static bool isUndefined(int code)
{
    return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}

class tst_Windows1252 : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithIcuOnEveryDefinedByte();
    void undefinedBytesAreTheirC1Controls();
    void everyByteComesBack();
    void characters_data();
    void characters();
    void encodeLeavesOutWhatItCannotHold();
};

void tst_Windows1252::agreesWithIcuOnEveryDefinedByte()
{
    QStringDecoder icu("windows-1252");
    if (!icu.isValid())
        QSKIP("this Qt has no ICU converter for windows-1252");
    for (int code = 0; code < 256; ++code) {
        if (isUndefined(code))
            continue;
        const char byte = char(code);
        const QString expected = icu.decode(QByteArrayView(&byte, 1));
        QCOMPARE(expected.size(), 1);
        QVERIFY2(Windows1252::toUnicode(uchar(code)) == expected.front(), qPrintable(QString::number(code, 16)));
    }
}

void tst_Windows1252::undefinedBytesAreTheirC1Controls()
{
    for (int code : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        QCOMPARE(Windows1252::toUnicode(uchar(code)), QChar(code));
        QCOMPARE(Windows1252::fromUnicode(QChar(code)), std::optional<uchar>(code));
    }
}

void tst_Windows1252::everyByteComesBack()
{
    QByteArray all;
    for (int code = 0; code < 256; ++code)
        all.append(char(code));
    const QString text = Windows1252::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(Windows1252::encode(text), all);
}

void tst_Windows1252::characters_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<int>("code");  // -1: not in the code page

    QTest::newRow("euro sign at 0x80") << QChar(u'€') << 0x80;
    QTest::newRow("e acute at 0xE9") << QChar(u'é') << 0xE9;
    QTest::newRow("C1 control U+0080 has no byte (0x80 is the euro)") << QChar(0x80) << -1;
    QTest::newRow("C1 control U+009F has no byte") << QChar(0x9F) << -1;
    QTest::newRow("A with macron, beyond Latin-1") << QChar(u'Ā') << -1;
    QTest::newRow("Cyrillic letter") << QChar(u'Ж') << -1;
    QTest::newRow("lone surrogate half") << QChar(0xD83D) << -1;
}

void tst_Windows1252::characters()
{
    QFETCH(QChar, character);
    QFETCH(int, code);
    const std::optional<uchar> expected = code < 0 ? std::nullopt : std::optional<uchar>(uchar(code));
    QCOMPARE(Windows1252::fromUnicode(character), expected);
    if (expected)
        QCOMPARE(Windows1252::toUnicode(*expected), character);
}

void tst_Windows1252::encodeLeavesOutWhatItCannotHold()
{
    QCOMPARE(Windows1252::encode(u"a€Āb😀c"_s), QByteArray("a\x80"
                                                          "bc"));
    QCOMPARE(Windows1252::encode(QString()), QByteArray());
}

QTEST_APPLESS_MAIN(tst_Windows1252)
#include "tst_Windows1252.moc"
