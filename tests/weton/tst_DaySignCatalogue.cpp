// SPDX-License-Identifier: MIT
#include "DescriptionRows.h"

#include "weton/DaySignCatalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QString descriptionNumber(int number)
{
    const descriptionrows::Row &row = descriptionrows::Rows[number - 1];
    return DaySignCatalogue::description(QString::fromLatin1(row.indonesianWeekday),
                                         QString::fromLatin1(row.marketDay));
}

QString contentText(const QString &name)
{
    QFile file(":/content/" + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every place a text names a sign: a weekday (either spelling, or English) next to a market day, in
// either order.
QStringList signsNamedIn(const QString &text)
{
    static const QString weekdays = "Minggu|Senin|Selasa|Salasa|Rabu|Kemis|Kamis|Jumat|Sabtu|Sunday|Monday|Tuesday|"
                                    "Wednesday|Thursday|Friday|Saturday";
    static const QString markets = "Legi|Pahing|Pon|Wage|Kliwon";
    static const QRegularExpression sign(
        QStringLiteral("\\b(?:(?:%1)\\s+(?:%2)|(?:%2)\\s+(?:%1))\\b").arg(weekdays, markets));
    QStringList found;
    for (auto it = sign.globalMatch(text); it.hasNext();) {
        const QString name = it.next().captured();
        if (!found.contains(name))
            found << name;
    }
    return found;
}

bool isPlainAsciiLine(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    return true;
}

}  // namespace

class tst_DaySignCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void everyDescriptionAsListed_data();
    void everyDescriptionAsListed();
    void descriptionsAreDistinct();
    void signsNamedInTheTexts_data();
    void signsNamedInTheTexts();
    void longTexts_data();
    void longTexts();
};

void tst_DaySignCatalogue::everyDescriptionAsListed_data()
{
    QTest::addColumn<int>("number");
    for (const descriptionrows::Row &row : descriptionrows::Rows)
        QTest::addRow("%02d %s %s", row.number, row.indonesianWeekday, row.marketDay) << row.number;
}

void tst_DaySignCatalogue::everyDescriptionAsListed()
{
    QFETCH(int, number);
    const descriptionrows::Row &row = descriptionrows::Rows[number - 1];
    const QString text = descriptionNumber(number);
    QVERIFY2(text.startsWith(QLatin1String(row.opening)), qPrintable(text.left(60)));
    QCOMPARE(text.size(), row.length);
    // Printable ASCII only: no line break, tab or character outside ASCII.
    QVERIFY(isPlainAsciiLine(text));
}

void tst_DaySignCatalogue::descriptionsAreDistinct()
{
    QSet<QString> texts;
    for (int number = 1; number <= 35; ++number)
        texts.insert(descriptionNumber(number));
    QCOMPARE(texts.size(), 35);
}

void tst_DaySignCatalogue::signsNamedInTheTexts_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("signs");  // in order of first mention
    // Texts whose wording about signs is of their own; every other one names its own sign only.
    const QSet<int> ownWording = {4, 5, 6, 13, 21, 22, 27, 31, 32, 35};
    for (const descriptionrows::Row &row : descriptionrows::Rows)
        if (!ownWording.contains(row.number))
            QTest::addRow("%02d names its own sign", row.number)
                << row.number << QStringList{QStringLiteral("%1 %2").arg(row.indonesianWeekday, row.marketDay)};
    QTest::newRow("04 says Wage Sunday first") << 4 << QStringList{"Wage Sunday", "Minggu Wage"};
    QTest::newRow("05 compares with Minggu Legi") << 5 << QStringList{"Minggu Legi", "Minggu Kliwon"};
    QTest::newRow("06 compares with Minggu Legi") << 6 << QStringList{"Minggu Legi", "Senin Legi"};
    QTest::newRow("13 says Salasa Pon, then Selasa Pon") << 13 << QStringList{"Salasa Pon", "Selasa Pon"};
    QTest::newRow("21 says Kamis Legi, Thursday Legi and compares with Rabu Legi")
        << 21 << QStringList{"Kamis Legi", "Kemis Legi", "Thursday Legi", "Rabu Legi"};
    QTest::newRow("22 says Kemis Pahing and Kamis Pahing") << 22 << QStringList{"Kemis Pahing", "Kamis Pahing"};
    for (int number : {27, 31, 32, 35})
        QTest::addRow("%02d names no sign", number) << number << QStringList();
}

void tst_DaySignCatalogue::signsNamedInTheTexts()
{
    QFETCH(int, number);
    QFETCH(QStringList, signs);
    QCOMPARE(signsNamedIn(descriptionNumber(number)), signs);
}

void tst_DaySignCatalogue::longTexts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::newRow("about box") << "about.txt"
                               << "Wetonara is a unique online astrological resource" << 470 << 490;
    QTest::newRow("companion advert") << "advert.txt"
                                      << "If you have enjoyed this software you will" << 615 << 615;
}

void tst_DaySignCatalogue::longTexts()
{
    QFETCH(QString, file);
    QFETCH(QString, opening);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    const QString text = contentText(file);
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(60)));
    QVERIFY2(text.size() >= shortest && text.size() <= longest, qPrintable(QString::number(text.size())));
    QVERIFY(isPlainAsciiLine(text));
}

QTEST_APPLESS_MAIN(tst_DaySignCatalogue)
#include "tst_DaySignCatalogue.moc"
