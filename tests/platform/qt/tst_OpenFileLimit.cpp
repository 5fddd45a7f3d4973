// SPDX-License-Identifier: MIT
#include "platform/qt/OpenFileLimit.h"

#include <QTest>
#include <algorithm>
#include <sys/resource.h>

// The limits are this process's own. The rows lower the hard limit in turn, never raise it: a user
// without root could not.
class tst_OpenFileLimit : public QObject
{
    Q_OBJECT
private slots:
    void raisedWhereAllowed_data();
    void raisedWhereAllowed();
};

void tst_OpenFileLimit::raisedWhereAllowed_data()
{
    QTest::addColumn<int>("soft");
    QTest::addColumn<int>("hard");
    QTest::addColumn<int>("said");   // the limit reported as too low; -1 for none
    QTest::addColumn<int>("after");  // the soft limit afterwards
    QTest::newRow("plenty: left alone") << 1024 << 4096 << -1 << 1024;
    QTest::newRow("a low soft limit is raised as far as needed") << 9 << 4096 << -1 << 64;
    QTest::newRow("just enough: left alone") << 64 << 64 << -1 << 64;
    QTest::newRow("one short, below a hard limit that allows it") << 63 << 64 << -1 << 64;
    QTest::newRow("a hard limit one short: said") << 9 << 63 << 9 << 9;
    QTest::newRow("a hard limit of 9: said") << 9 << 9 << 9 << 9;
}

void tst_OpenFileLimit::raisedWhereAllowed()
{
    QFETCH(int, soft);
    QFETCH(int, hard);
    QFETCH(int, said);
    QFETCH(int, after);
    rlimit limit{rlim_t(soft), rlim_t(hard)};
    if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
        QSKIP("this user cannot set that limit");
    const std::optional<long> tooFew = platform::tooFewOpenFiles();
    QVERIFY(::getrlimit(RLIMIT_NOFILE, &limit) == 0);
    QCOMPARE(tooFew.value_or(-1), long(said));
    QCOMPARE(long(limit.rlim_cur), long(after));
    const rlimit plenty{rlim_t(std::min(1024, hard)), rlim_t(hard)};
    ::setrlimit(RLIMIT_NOFILE, &plenty);  // the test's own files are open meanwhile
}

QTEST_APPLESS_MAIN(tst_OpenFileLimit)
#include "tst_OpenFileLimit.moc"
