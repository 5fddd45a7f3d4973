// SPDX-License-Identifier: MIT
#include "fakes/FakePlatform.h"
#include "files/TextScrambling.h"
#include "web/UpdateReminder.h"
#include "web/modHelp.h"

#include <QTest>

namespace {

// "Duration" with every code moved up by 85, read through Windows-1252: D 68->153 (U+2122), u 117->202,
// r 114->199, a 97->182, t 116->201, i 105->190, o 111->196, n 110->195.
const QString StoredKey = QStringLiteral("Settings/\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
// "2026-12-08" the same way: 2 50->135 (U+2021), 0 48->133 (U+2026), 6 54->139 (U+2039), - 45->130
// (U+201A), 1 49->134 (U+2020), 8 56->141 (undefined in Windows-1252, kept as U+008D).
const QString StoredDec8 = QStringLiteral("\u2021\u2026\u2021\u2039\u201A\u2020\u2021\u201A\u2026\u008D");
const QString Question =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

void storeLastCheck(fakes::FakePlatform &fake, const QString &isoDate)
{
    fake.settings.values.insert(StoredKey, modHelp::ScrambleText(isoDate));
}

// The browser of these tests notes what the settings held when a page was opened.
class WatchingBrowser final : public platform::Browser
{
public:
    explicit WatchingBrowser(fakes::FakeSettings &settings) : m_settings(settings) {}
    void open(const QString &address) override
    {
        opened.append(address);
        storedAtOpen.append(m_settings.values.value(StoredKey));
    }
    QStringList opened;
    QStringList storedAtOpen;

private:
    fakes::FakeSettings &m_settings;
};

}  // namespace

class tst_UpdateReminder : public QObject
{
    Q_OBJECT
private slots:
    void firstStartStoresTodayQuietly();
    void asksOnlyBeyondFourteenDays_data();
    void asksOnlyBeyondFourteenDays();
    void unreadableValueEndsSilently_data();
    void unreadableValueEndsSilently();
    void valueUnscramblingToNothingCountsAsFirstStart();
    void answerDecidesTheDownloadPage_data();
    void answerDecidesTheDownloadPage();
    void todayIsStoredBeforeThePageOpens();
};

void tst_UpdateReminder::firstStartStoresTodayQuietly()
{
    fakes::FakePlatform fake;
    modHelp::CheckForUpdateReminder(fake.platform());
    QVERIFY(fake.messages.shown.isEmpty());
    QVERIFY(fake.browser.opened.isEmpty());
    QCOMPARE(fake.settings.values, (QMap<QString, QString>{{StoredKey, StoredDec8}}));
}

void tst_UpdateReminder::asksOnlyBeyondFourteenDays_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("lastCheck");
    QTest::addColumn<bool>("asks");

    const QDate dec8(2026, 12, 8);
    QTest::newRow("same day") << dec8 << "2026-12-08" << false;
    QTest::newRow("14 days ago") << dec8 << "2026-11-24" << false;
    QTest::newRow("15 days ago") << dec8 << "2026-11-23" << true;
    QTest::newRow("14 days ahead") << dec8 << "2026-12-22" << false;
    QTest::newRow("15 days ahead, after a clock change") << dec8 << "2026-12-23" << true;
    QTest::newRow("years ago") << dec8 << "2019-03-01" << true;
    QTest::newRow("14 days ago across the new year") << QDate(2027, 1, 4) << "2026-12-21" << false;
    QTest::newRow("15 days ago across the new year") << QDate(2027, 1, 5) << "2026-12-21" << true;
    QTest::newRow("14 days ago across 29 February") << QDate(2028, 3, 1) << "2028-02-16" << false;
    QTest::newRow("15 days ago across 29 February") << QDate(2028, 3, 1) << "2028-02-15" << true;
}

void tst_UpdateReminder::asksOnlyBeyondFourteenDays()
{
    QFETCH(QDate, today);
    QFETCH(QString, lastCheck);
    QFETCH(bool, asks);
    fakes::FakePlatform fake;
    fake.clock.date = today;
    storeLastCheck(fake, lastCheck);
    const QString before = fake.settings.values.value(StoredKey);

    modHelp::CheckForUpdateReminder(fake.platform());

    if (!asks) {
        QVERIFY(fake.messages.shown.isEmpty());
        QCOMPARE(fake.settings.writes, 0);
        QCOMPARE(fake.settings.values.value(StoredKey), before);
        return;
    }
    QCOMPARE(fake.messages.shown.size(), 1);
    const platform::Message &shown = fake.messages.shown.first();
    QCOMPARE(shown.text, Question);
    QCOMPARE(shown.title, QStringLiteral("Wetonara"));
    QCOMPARE(shown.icon, platform::MessageIcon::Information);
    QCOMPARE(shown.buttons, platform::MessageButtons::YesNo);
    QCOMPARE(fake.settings.writes, 1);
    const QString stored = modHelp::UnscrambleText(fake.settings.values.value(StoredKey));
    QCOMPARE(stored, today.toString(QStringLiteral("yyyy-MM-dd")));
}

void tst_UpdateReminder::unreadableValueEndsSilently_data()
{
    QTest::addColumn<QString>("stored");  // exactly as the store holds it
    QTest::newRow("scrambled words") << modHelp::ScrambleText(QStringLiteral("last Tuesday"));
    QTest::newRow("date in the user's short format") << modHelp::ScrambleText(QStringLiteral("12/8/2026"));
    QTest::newRow("impossible day") << modHelp::ScrambleText(QStringLiteral("2026-02-30"));
    QTest::newRow("unscrambling to stray characters") << QStringLiteral("2026-11-01 \u00E9\u00E9");
}

void tst_UpdateReminder::unreadableValueEndsSilently()
{
    QFETCH(QString, stored);
    fakes::FakePlatform fake;
    fake.settings.values.insert(StoredKey, stored);
    modHelp::CheckForUpdateReminder(fake.platform());
    QVERIFY(fake.messages.shown.isEmpty());
    QVERIFY(fake.browser.opened.isEmpty());
    QCOMPARE(fake.settings.writes, 0);
    QCOMPARE(fake.settings.values.value(StoredKey), stored);
}

void tst_UpdateReminder::valueUnscramblingToNothingCountsAsFirstStart()
{
    // Every code below 85 is left out by unscrambling, so a date stored unscrambled reads as nothing.
    fakes::FakePlatform fake;
    fake.settings.values.insert(StoredKey, QStringLiteral("2026-11-01"));
    modHelp::CheckForUpdateReminder(fake.platform());
    QVERIFY(fake.messages.shown.isEmpty());
    QCOMPARE(fake.settings.values.value(StoredKey), StoredDec8);
}

void tst_UpdateReminder::answerDecidesTheDownloadPage_data()
{
    QTest::addColumn<platform::MessageAnswer>("answer");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<bool>("checkedToday");  // today stored as the last check
    QTest::newRow("Yes opens the download page")
        << platform::MessageAnswer::Yes << QStringList{modHelp::DownloadPageAddress} << true;
    QTest::newRow("No opens nothing") << platform::MessageAnswer::No << QStringList{} << true;
    // The program was asked to end (logout, a signal) while the question was open: the user answered
    // nothing, and is asked again at the next start.
    QTest::newRow("no answer: nothing opens, nothing stored")
        << platform::MessageAnswer::None << QStringList{} << false;
}

void tst_UpdateReminder::answerDecidesTheDownloadPage()
{
    QFETCH(platform::MessageAnswer, answer);
    QFETCH(QStringList, opened);
    QFETCH(bool, checkedToday);
    fakes::FakePlatform fake;
    storeLastCheck(fake, QStringLiteral("2026-10-01"));
    fake.messages.answers = {answer};
    modHelp::CheckForUpdateReminder(fake.platform());
    QCOMPARE(fake.browser.opened, opened);
    QCOMPARE(fake.settings.values.value(StoredKey),
             checkedToday ? StoredDec8 : modHelp::ScrambleText(QStringLiteral("2026-10-01")));
    QVERIFY(modHelp::DownloadPageAddress.endsWith(QStringLiteral("/wetonara/ssd.php?page=download-web-page")));
}

void tst_UpdateReminder::todayIsStoredBeforeThePageOpens()
{
    fakes::FakePlatform fake;
    WatchingBrowser browser(fake.settings);
    platform::Platform services{fake.messages,     fake.fileDialogs, browser,     fake.printer, fake.settings,
                                fake.instanceLock, fake.clock,       fake.random, fake.process, fake.handOver};
    storeLastCheck(fake, QStringLiteral("2026-10-01"));
    fake.messages.answers = {platform::MessageAnswer::Yes};
    modHelp::CheckForUpdateReminder(services);
    QCOMPARE(browser.opened.size(), 1);
    QCOMPARE(browser.storedAtOpen, QStringList{StoredDec8});
}

QTEST_APPLESS_MAIN(tst_UpdateReminder)
#include "tst_UpdateReminder.moc"
