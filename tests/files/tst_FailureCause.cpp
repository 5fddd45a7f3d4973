// SPDX-License-Identifier: MIT
#include "files/FailureCause.h"

#include <QTest>
#include <cerrno>

// The cause of a failure as it follows a colon or stands in brackets: lower-case at the start unless
// the C library's text starts with an acronym, and never "success" for a failure without a number.
class tst_FailureCause : public QObject
{
    Q_OBJECT
private slots:
    void causeInWords_data();
    void causeInWords();
};

void tst_FailureCause::causeInWords_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("said");
    QTest::newRow("a cause of our own table") << ENOSPC << "no space is left on the device";
    QTest::newRow("a read-only file system") << EROFS << "the file system is read-only";
    QTest::newRow("no number: unknown, not \"success\"") << 0 << "the cause is not known";
    QTest::newRow("the C library's words, lower-case after a colon") << ENODATA << "no data available";
#ifdef EDOTDOT
    QTest::newRow("an acronym keeps its capitals") << EDOTDOT << "RFS specific error";
#endif
}

void tst_FailureCause::causeInWords()
{
    QFETCH(int, number);
    QFETCH(QString, said);
    QCOMPARE(FailureCause::text(number), said);
}

QTEST_GUILESS_MAIN(tst_FailureCause)
#include "tst_FailureCause.moc"
