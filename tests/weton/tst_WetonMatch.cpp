// SPDX-License-Identifier: MIT
#include "weton/InterfaceLanguage.h"
#include "weton/WetonMatch.h"

#include <QTest>

class tst_WetonMatch : public QObject
{
    Q_OBJECT

private slots:
    void tableOfNineAtItsEdges_data();
    void tableOfNineAtItsEdges();
};

void tst_WetonMatch::tableOfNineAtItsEdges_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("name");
    // A weton's neptu lies between 7 (Selasa Wage) and 18 (Sabtu Pahing), so a pair's sum between 14 and
    // 36. The names are those of the published table: Pegat 1, 9, 10, 18, 19, 27, 28, 36; Tinari 5, 14, 23,
    // 32; Pesthi 8, 17, 26, 35.
    QTest::newRow("14, the smallest sum: Tinari") << 7 << 7 << "Tinari";
    QTest::newRow("18 closes the second cycle: Pegat") << 9 << 9 << "Pegat";
    QTest::newRow("19 opens the third: Pegat") << 9 << 10 << "Pegat";
    QTest::newRow("27 closes the third: Pegat") << 13 << 14 << "Pegat";
    QTest::newRow("35: Pesthi") << 17 << 18 << "Pesthi";
    QTest::newRow("36, the largest sum: Pegat") << 18 << 18 << "Pegat";
}

void tst_WetonMatch::tableOfNineAtItsEdges()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, name);
    const WetonMatch::Match match = WetonMatch::of(first, second);
    QCOMPARE(match.sum, first + second);
    QCOMPARE(match.name.toString(), name);
    // Each meaning is kept under its match's name and opens with it, in both languages.
    QVERIFY(WetonMatch::meaning(match.name).startsWith(name + QLatin1Char(' ')));
    const QString path = QStringLiteral("matches/%1.txt").arg(name);
    QVERIFY(InterfaceLanguage::contentTextIn(InterfaceLanguage::Indonesian, path).startsWith(name + QLatin1Char(' ')));
}

QTEST_APPLESS_MAIN(tst_WetonMatch)
#include "tst_WetonMatch.moc"
