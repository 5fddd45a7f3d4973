// SPDX-License-Identifier: MIT
#include "files/FileNames.h"

#include <QTest>

// Names are given by their bytes, as they stand on the disk; the expected text is written out by hand.
class tst_FileNames : public QObject
{
    Q_OBJECT
private slots:
    void bytesAndText_data();
    void bytesAndText();
    void everyTwoBytesComeBack();
};

void tst_FileNames::bytesAndText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const auto kept = [](char16_t byte) { return QString(QChar(char16_t(0xDC00 + byte))); };
    QTest::newRow("ASCII") << QByteArray("/home/siti/a.jav") << QStringLiteral("/home/siti/a.jav");
    QTest::newRow("UTF-8 i with circumflex") << QByteArray("S\xc3\xaeti.jav") << QStringLiteral("S\u00eeti.jav");
    QTest::newRow("UTF-8 at the ends of its ranges: U+0080, U+FFFD, U+10FFFF")
        << QByteArray("\xc2\x80\xef\xbf\xbd\xf4\x8f\xbf\xbf")
        << QString(QChar(0x80)) + QChar(0xFFFD) + QChar(0xDBFF) + QChar(0xDFFF);
    QTest::newRow("an emoji, four bytes")
        << QByteArray("\xf0\x9f\x98\x80.jav") << QString(QChar(0xD83D)) + QChar(0xDE00) + ".jav";
    QTest::newRow("a character whose second half is no kept byte: U+10080")
        << QByteArray("\xf0\x90\x82\x80") << QString(QChar(0xD800)) + QChar(0xDC80);
    QTest::newRow("a byte-order mark first is part of the name") << QByteArray("\xef\xbb\xbf"
                                                                               "a")
                                                                 << QStringLiteral("\ufeffa");
    QTest::newRow("Latin-1 e with acute") << QByteArray("caf\xe9.jav") << "caf" + kept(0xE9) + ".jav";
    QTest::newRow("a sequence cut short") << QByteArray("\xe2\x82") << kept(0xE2) + kept(0x82);
    QTest::newRow("a lead byte at the end") << QByteArray("a\xc3") << "a" + kept(0xC3);
    QTest::newRow("an overlong slash") << QByteArray("\xc0\xaf") << kept(0xC0) + kept(0xAF);
    QTest::newRow("an overlong three-byte form") << QByteArray("\xe0\x80\xaf") << kept(0xE0) + kept(0x80) + kept(0xAF);
    QTest::newRow("an overlong four-byte form")
        << QByteArray("\xf0\x8f\xbf\xbf") << kept(0xF0) + kept(0x8F) + kept(0xBF) + kept(0xBF);
    QTest::newRow("a lead byte UTF-8 never uses")
        << QByteArray("\xf5\x80\x80\x80") << kept(0xF5) + kept(0x80) + kept(0x80) + kept(0x80);
    QTest::newRow("an encoded surrogate") << QByteArray("\xed\xa0\x80") << kept(0xED) + kept(0xA0) + kept(0x80);
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80")
                                     << kept(0xF4) + kept(0x90) + kept(0x80) + kept(0x80);
    QTest::newRow("a lone continuation byte between letters") << QByteArray("a\x80z") << "a" + kept(0x80) + "z";
    QTest::newRow("the highest byte") << QByteArray("\xff") << kept(0xFF);
}

void tst_FileNames::bytesAndText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(FileNames::decode(bytes), text);
    QCOMPARE(FileNames::encode(text), bytes);
}

// Whatever a name's bytes, they come back from their text: no two names read alike.
void tst_FileNames::everyTwoBytesComeBack()
{
    for (int first = 1; first < 256; ++first)
        for (int second = 0; second < 256; ++second) {
            const char raw[] = {char(first), char(second), '\xbf'};
            const QByteArray bytes(raw, sizeof raw);
            if (FileNames::encode(FileNames::decode(bytes)) != bytes)
                QFAIL(qPrintable(QStringLiteral("%1 changed").arg(QString::fromLatin1(bytes.toHex(' ')))));
        }
}

QTEST_APPLESS_MAIN(tst_FileNames)
#include "tst_FileNames.moc"
