// SPDX-License-Identifier: MIT
#include "e2e/WindowDriver.h"
#include "files/SavedReading.h"
#include "ui/almanac/CalendarModel.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/almanac/MatchWindow.h"
#include "ui/kit/DateBox.h"
#include "ui/kit/LinkCaption.h"
#include "ui/outreach/frmAbout.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "weton/DayMarks.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace driver;

namespace {

QStringList resultTexts(WindowSet &set)
{
    QStringList texts;
    if (frmJavaneseAstrology *result = set.openResult())
        for (int i = 0; i < 4; ++i)
            texts.append(indexed<QLabel>(*result, "lblJavaneseResult", i)->text());
    return texts;
}

// What a person sees of a run: windows on screen, messages, the result labels.
struct Outcome
{
    QStringList visible;
    QStringList messages;
    QList<platform::MessageIcon> icons;
    QStringList results;

    bool operator==(const Outcome &) const = default;
};

// Whether the calendar marks a date of birth or its wetonan anywhere in the month it shows.
bool marksAReading(const CalendarModel &model)
{
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            if (model.index(row, column).data(CalendarModel::MarksRole).toInt() & (DayMarks::Birth | DayMarks::Wetonan))
                return true;
    return false;
}

Outcome outcomeOf(Run &run)
{
    Outcome outcome{visibleWindows(), run.fake.messages.texts(), {}, resultTexts(run.set)};
    for (const platform::Message &message : run.fake.messages.shown)
        outcome.icons.append(message.icon);
    return outcome;
}

}  // namespace

class tst_Navigation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void menuBars_data();
    void menuBars();
    void menuPages_data();
    void menuPages();
    void stateTable_data();
    void stateTable();
    void calculateShowsTheReading_data();
    void calculateShowsTheReading();
    void buttonAndMenuAgree_data();
    void buttonAndMenuAgree();
    void openMove_data();
    void openMove();
    void backGivesAFreshEntryWindow();
    void manyRoundTripsNeverShowTheCompanion();
    void lookUpWindowsBesideTheMoves_data();
    void lookUpWindowsBesideTheMoves();
};

void tst_Navigation::cleanup()
{
    freeClosedWindows();
    QVERIFY2(visibleWindows().isEmpty(), "a window outlived its run");
}

void tst_Navigation::menuBars_data()
{
    QTest::addColumn<bool>("onResult");
    QTest::addColumn<QStringList>("entries");  // name, level, caption (or "-" for a separator), shown

    const QStringList helpAndOffers = [](const char *sepAfterVisit, const char *sepBeforeAbout) {
        return QStringList{
            "mnuHelp|bar|&Help|shown",
            "mnuOnline|mnuHelp|&Online Help|shown",
            "mnuVisit|mnuHelp|&Visit Us Online|shown",
            QStringLiteral("%1|mnuHelp|-|shown").arg(QLatin1String(sepAfterVisit)),
            "mnuUpdate|mnuHelp|Check for Software &Update|shown",
            QStringLiteral("%1|mnuHelp|-|shown").arg(QLatin1String(sepBeforeAbout)),
            "mnuAbout|mnuHelp|&About Software|shown",
            "mnuDonate|bar|&Donate|shown",
            "mnuMakeMoney|bar|Make Money &Online|hidden",
        };
    }("mnuSep1", "mnuSep2");
    const QStringList calendar{"mnuCalendar|bar|&Calendar|shown",
                               "mnuJavaneseCalendar|mnuCalendar|Javanese &Calendar...|shown",
                               "mnuMatch|mnuCalendar|&Match Two Wetons...|shown"};
    QTest::newRow("entry window") << false
                                  << (QStringList{"mnuFile|bar|&File|shown",
                                                  "mnuMayan|mnuFile|Find My &Indonesian Birthday (Weton)|shown",
                                                  "mnuSep3|mnuFile|-|shown", "mnuExit|mnuFile|E&xit|shown"}
                                      + calendar + helpAndOffers);
    QStringList resultHelp = helpAndOffers;
    resultHelp.replaceInStrings(QStringLiteral("mnuSep2|"), QStringLiteral("mnuSep3|"));
    resultHelp.replaceInStrings(QStringLiteral("mnuSep1|"), QStringLiteral("mnuSep2|"));
    QTest::newRow("result window") << true
                                   << (QStringList{"mnuFile|bar|&File|shown",
                                                   "mnuExportWetonan|mnuFile|Export &Wetonan...|shown",
                                                   "mnuBack|mnuFile|&Back|shown", "mnuSep1|mnuFile|-|shown",
                                                   "mnuExit|mnuFile|E&xit|shown"}
                                       + calendar + resultHelp);
}

void tst_Navigation::menuBars()
{
    QFETCH(bool, onResult);
    QFETCH(QStringList, entries);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    FormWindow &window = onResult ? static_cast<FormWindow &>(set.result()) : set.main();
    QStringList found;
    const auto describe = [&found](QAction *action, const QString &level) {
        const QString caption = action->isSeparator() ? QStringLiteral("-") : action->text();
        found.append(QStringList{action->objectName(), level, caption,
                                 action->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden")}
                         .join(QLatin1Char('|')));
    };
    for (QAction *top : window.menuBar()->actions()) {
        describe(top, QStringLiteral("bar"));
        QCOMPARE(top->isEnabled(), top->isVisible());  // a hidden entry cannot be chosen either
        if (QMenu *menu = top->menu())
            for (QAction *entry : menu->actions())
                describe(entry, top->objectName());
    }
    // The hidden entry belongs to the bar without being placed on it, so its access key takes none.
    auto *hidden = window.menuBar()->findChild<QAction *>(QStringLiteral("mnuMakeMoney"), Qt::FindDirectChildrenOnly);
    QVERIFY(hidden && !window.menuBar()->actions().contains(hidden));
    describe(hidden, QStringLiteral("bar"));
    QCOMPARE(found, entries);
}

void tst_Navigation::menuPages_data()
{
    QTest::addColumn<bool>("onResult");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("address");

    for (bool onResult : {false, true}) {
        const char *window = onResult ? "result window: " : "entry window: ";
        const auto row = [&](const char *entry, const char *key) {
            QTest::addRow("%s%s opens %s", window, entry, key) << onResult << QString::fromLatin1(entry) << page(key);
        };
        row("mnuOnline", "help-web-page");
        row("mnuVisit", "home-page");
        row("mnuUpdate", "download-web-page");
        row("mnuDonate", "donate");
        row("mnuMakeMoney", "fully-branded");
    }
}

void tst_Navigation::menuPages()
{
    QFETCH(bool, onResult);
    QFETCH(QString, entry);
    QFETCH(QString, address);
    Run run;
    if (onResult)
        calculateProclamation(run);
    FormWindow *window = onResult ? static_cast<FormWindow *>(run.set.openResult()) : run.set.openMain();
    QVERIFY(window);
    const Outcome before = outcomeOf(run);
    window->findChild<QAction *>(entry)->trigger();
    QCOMPARE(run.fake.browser.opened, QStringList{address});
    QVERIFY2(outcomeOf(run) == before, "a page entry leaves the windows as they were");
}

void tst_Navigation::stateTable_data()
{
    QTest::addColumn<bool>("fromResult");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("during");  // the modal window, then the others on screen under it
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const auto row = [](const char *name, bool fromResult, const char *command, const QStringList &during,
                        const QStringList &after, const QStringList &messages = {}) {
        QTest::newRow(name) << fromResult << QString::fromLatin1(command) << during << after << messages;
    };
    row("entry: Calculate with valid input -> result", false, "calculate", none, {Result});
    row("entry: Open of a valid file -> result", false, "open", none, {Result});
    row("entry: Calculate with no name -> entry, unchanged, with a message", false, "calculate without name", none,
        {Entry}, {"Please Enter Your Name"});
    row("result: Back -> new entry", true, "back", none, {Entry});
    row("result: Save -> report over result; report closed -> result", true, "save", {Report, Result}, {Result});
    row("entry: About -> about box over it; OK -> entry", false, "about, OK", {About, Entry}, {Entry});
    row("result: About -> about box over it; title bar -> result, unchanged", true, "about, close", {About, Result},
        {Result});
    row("entry: File > Exit -> companion screen alone, closing it ends the run", false, "exit", none, {Companion});
    row("entry: title-bar close -> the same", false, "close", none, {Companion});
    row("result: File > Exit -> the same", true, "exit", none, {Companion});
    row("result: title-bar close -> the same", true, "close", none, {Companion});
}

void tst_Navigation::stateTable()
{
    QFETCH(bool, fromResult);
    QFETCH(QString, command);
    QFETCH(QStringList, during);
    QFETCH(QStringList, after);
    QFETCH(QStringList, messages);
    QTemporaryDir folder;
    Run run;
    frmMain *entry = run.set.openMain();
    enter(*entry, Proclamation);
    if (fromResult)
        child<QPushButton>(*entry, "cmdCalculate")->click();
    FormWindow *from = fromResult ? static_cast<FormWindow *>(run.set.openResult()) : run.set.openMain();
    const QStringList resultsBefore = resultTexts(run.set);

    QStringList seenDuring;
    QString modalName;
    const auto whileUp = [&](QWidget *modal) {
        modalName = modal->objectName();
        seenDuring = visibleWindows();
        if (command.endsWith(QLatin1String("OK")))
            child<QPushButton>(*qobject_cast<frmAbout *>(modal), "cmdOK")->click();
    };
    if (command == QLatin1String("calculate")) {
        child<QPushButton>(*entry, "cmdCalculate")->click();
    } else if (command == QLatin1String("calculate without name")) {
        child<QLineEdit>(*entry, "txtName")->setText(QStringLiteral("   "));
        child<QPushButton>(*entry, "cmdCalculate")->click();
    } else if (command == QLatin1String("open")) {
        run.fake.fileDialogs.nextOpenName = folder.filePath(QStringLiteral("reading.jav"));
        const CurrentReading saved{QStringLiteral("Ratna"), 2000, QStringLiteral("January"), 1};
        QVERIFY(SavedReading::writeFile(run.fake.fileDialogs.nextOpenName, SavedReading::compose(saved)));
        child<QPushButton>(*entry, "cmdOpen")->click();
    } else if (command == QLatin1String("back")) {
        child<QPushButton>(*run.set.openResult(), "cmdBack")->click();
    } else if (command == QLatin1String("save")) {
        QVERIFY(whileModal([&] { child<QPushButton>(*run.set.openResult(), "cmdSave")->click(); }, whileUp));
    } else if (command.startsWith(QLatin1String("about"))) {
        QVERIFY(whileModal([&] { entryOf(from, "mnuAbout")->trigger(); }, whileUp));
    } else if (command == QLatin1String("exit")) {
        entryOf(from, "mnuExit")->trigger();
    } else if (command == QLatin1String("close")) {
        from->close();
    }
    freeClosedWindows();
    if (!during.isEmpty()) {
        QCOMPARE(modalName, during.first());
        during.sort();
        QCOMPARE(seenDuring, during);
    }
    QCOMPARE(visibleWindows(), after);
    QCOMPARE(run.fake.messages.texts(), messages);
    for (const QString &name : AllWindows)
        QVERIFY2(instances(name) <= 1, qPrintable(name));
    if (after == QStringList{Result} && fromResult)
        QCOMPARE(resultTexts(run.set), resultsBefore);
    if (after == QStringList{Entry} && !fromResult)
        QCOMPARE(run.set.openMain(), entry);  // the same entry window, not a new one
    if (after == QStringList{Companion}) {
        QVERIFY2(run.fake.process.exits.isEmpty(), "the run goes on while the companion screen is up");
        run.set.openNag()->close();
        freeClosedWindows();
        QCOMPARE(run.fake.process.exits, QList<int>{0});
        QCOMPARE(visibleWindows(), QStringList{});
        QCOMPARE(run.set.openMain(), nullptr);  // neither main window comes back
        QCOMPARE(run.set.openResult(), nullptr);
    }
}

void tst_Navigation::calculateShowsTheReading_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<Birth>("birth");
    QTest::addColumn<QStringList>("shown");  // market day, Indonesian and English weekday

    // 17 August 1945 was a Friday, Jumat Legi. 29 February 1904 lies 15145 days earlier, a multiple of
    // five, so it is a Legi too, and a Monday. 1 January 2000, 19860 days later, is a Saturday Legi.
    // 31 December 2036 is a Wednesday 33374 days after it, four market days past Legi: Kliwon.
    const Birth leapDay{QStringLiteral("Kartini"), QStringLiteral("February"), QStringLiteral("29"),
                        QStringLiteral("1904")};
    const Birth lastDay{QStringLiteral("Dewi"), QStringLiteral("December"), QStringLiteral("31"),
                        QStringLiteral("2036")};
    QTest::newRow("button") << "button" << Proclamation << QStringList{"Legi", "Jumat", "Friday"};
    QTest::newRow("menu entry") << "menu" << Proclamation << QStringList{"Legi", "Jumat", "Friday"};
    QTest::newRow("leap day through the button") << "button" << leapDay << QStringList{"Legi", "Senin", "Monday"};
    QTest::newRow("last listed day through the menu")
        << "menu" << lastDay << QStringList{"Kliwon", "Rabu", "Wednesday"};
    QTest::newRow("saved file") << "open"
                                << Birth{QStringLiteral("Ratna"), QStringLiteral("January"), QStringLiteral("1"),
                                         QStringLiteral("2000")}
                                << QStringList{"Legi", "Sabtu", "Saturday"};
}

void tst_Navigation::calculateShowsTheReading()
{
    QFETCH(QString, how);
    QFETCH(Birth, birth);
    QFETCH(QStringList, shown);
    QTemporaryDir folder;
    Run run;
    QPointer<frmMain> entry = run.set.openMain();
    if (how == QLatin1String("open")) {
        const QString path = folder.filePath(QStringLiteral("saved.jav"));
        const CurrentReading saved{birth.name, qint16(birth.year.toInt()), birth.month, qint16(birth.day.toInt())};
        QVERIFY(SavedReading::writeFile(path, SavedReading::compose(saved)));
        run.fake.fileDialogs.nextOpenName = path;
        child<QPushButton>(*entry, "cmdOpen")->click();
    } else {
        enter(*entry, birth);
        if (how == QLatin1String("menu"))
            child<QAction>(*entry, "mnuMayan")->trigger();
        else
            child<QPushButton>(*entry, "cmdCalculate")->click();
    }
    freeClosedWindows();
    QVERIFY2(entry.isNull(), "the entry window is closed, not only hidden");
    QCOMPARE(visibleWindows(), QStringList{Result});
    QVERIFY2(run.set.openNag() && !run.set.openNag()->isVisible(), "companion screen created and out of sight");
    QCOMPARE(resultTexts(run.set).mid(0, 3), shown);
    QVERIFY(resultTexts(run.set).at(3).size() > 100);
    QCOMPARE(run.set.reading().PersonName, birth.name);
    QCOMPARE(run.set.reading().BirthMonth, birth.month);
    QCOMPARE(run.set.reading().BirthDay, birth.day.toInt());
    QCOMPARE(run.set.reading().BirthYear, birth.year.toInt());
    QVERIFY(run.fake.messages.shown.isEmpty());
}

void tst_Navigation::buttonAndMenuAgree_data()
{
    QTest::addColumn<Birth>("birth");
    QTest::addColumn<QString>("message");

    const auto birth = [](const char *name, const char *month, const char *day, const char *year) {
        return Birth{QString::fromLatin1(name), QString::fromLatin1(month), QString::fromLatin1(day),
                     QString::fromLatin1(year)};
    };
    QTest::newRow("valid input") << birth("Adi", "May", "5", "1970") << QString();
    QTest::newRow("no name") << birth("", "May", "5", "1970") << "Please Enter Your Name";
    QTest::newRow("name of spaces") << birth("    ", "May", "5", "1970") << "Please Enter Your Name";
    QTest::newRow("31 April") << birth("Adi", "April", "31", "1970") << "Please Enter Correct Date Or Month !";
    QTest::newRow("29 February outside a leap year")
        << birth("Adi", "February", "29", "1901") << "Please Enter Correct Date Or Month!";
    QTest::newRow("30 February in a leap year")
        << birth("Adi", "February", "30", "1904") << "Please Enter Correct Date Or Month!";
}

void tst_Navigation::buttonAndMenuAgree()
{
    QFETCH(Birth, birth);
    QFETCH(QString, message);
    Outcome outcomes[2];
    for (int viaMenu = 0; viaMenu < 2; ++viaMenu) {
        Run run;
        enter(*run.set.openMain(), birth);
        if (viaMenu)
            child<QAction>(*run.set.openMain(), "mnuMayan")->trigger();
        else
            child<QPushButton>(*run.set.openMain(), "cmdCalculate")->click();
        freeClosedWindows();
        outcomes[viaMenu] = outcomeOf(run);
    }
    QCOMPARE(outcomes[1].visible, outcomes[0].visible);
    QCOMPARE(outcomes[1].messages, outcomes[0].messages);
    QVERIFY(outcomes[1].icons == outcomes[0].icons);
    QCOMPARE(outcomes[1].results, outcomes[0].results);
    QCOMPARE(outcomes[0].messages, message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(outcomes[0].visible, QStringList{message.isEmpty() ? Result : Entry});
}

void tst_Navigation::openMove_data()
{
    QTest::addColumn<QByteArray>("file");  // empty: the user cancels the dialog
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("companionExists");
    QTest::addColumn<QString>("nameShown");

    const auto saved = [](const char *name, qint16 year, const char *month, qint16 day) {
        return SavedReading::compose({QString::fromLatin1(name), year, QString::fromLatin1(month), day});
    };
    QTest::newRow("cancelled: nothing happens") << QByteArray() << QStringList{Entry} << QStringList{} << false << "";
    QTest::newRow("valid reading: result window")
        << saved("Ratna", 2000, "January", 1) << QStringList{Result} << QStringList{} << true << "";
    QTest::newRow("impossible date: entry keeps the file's values, companion made hidden")
        << saved("Ratna", 1970, "April", 31) << QStringList{Entry}
        << QStringList{"Please Enter Correct Date Or Month !"} << true << "Ratna";
    QTest::newRow("no name in the file: the name is asked for")
        << saved("", 1970, "May", 5) << QStringList{Entry} << QStringList{"Please Enter Your Name"} << true << "";
    QTest::newRow("not a saved reading: refused") << QByteArray("just some text\r\n") << QStringList{Entry}
                                                  << QStringList{"Please Check The File."} << false << "";
}

void tst_Navigation::openMove()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, visible);
    QFETCH(QStringList, messages);
    QFETCH(bool, companionExists);
    QFETCH(QString, nameShown);
    QTemporaryDir folder;
    Run run;
    if (!file.isEmpty()) {
        run.fake.fileDialogs.nextOpenName = folder.filePath(QStringLiteral("reading.jav"));
        QVERIFY(SavedReading::writeFile(run.fake.fileDialogs.nextOpenName, file));
    }
    child<QPushButton>(*run.set.openMain(), "cmdOpen")->click();
    freeClosedWindows();
    QCOMPARE(run.fake.fileDialogs.openRequests.size(), 1);
    QCOMPARE(visibleWindows(), visible);
    QCOMPARE(run.fake.messages.texts(), messages);
    QCOMPARE(run.set.openNag() != nullptr, companionExists);
    if (visible == QStringList{Entry})
        QCOMPARE(child<QLineEdit>(*run.set.openMain(), "txtName")->text(), nameShown);
}

void tst_Navigation::backGivesAFreshEntryWindow()
{
    Run run({0.2});  // the start-up draw 0.2 * 6 + 1 rounds to 2: the full-branding offer in front
    frmMain *first = run.set.openMain();
    const QPoint offers = child<LinkCaption>(*first, "lblCobrand")->geometry().center();
    QCOMPARE(child<QGroupBox>(*first, "fraFullBrand")->childAt(offers), child<LinkCaption>(*first, "lblFullBrand"));
    enter(*first, Proclamation);
    child<QPushButton>(*first, "cmdCalculate")->click();
    const int draws = run.fake.random.draws;
    child<QAction>(*run.set.openResult(), "mnuBack")->trigger();
    freeClosedWindows();

    frmMain *fresh = run.set.openMain();
    QVERIFY(fresh);
    QCOMPARE(visibleWindows(), QStringList{Entry});
    QCOMPARE(child<QLineEdit>(*fresh, "txtName")->text(), QString());
    QCOMPARE(child<QComboBox>(*fresh, "cboMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(child<QComboBox>(*fresh, "cboDate")->currentText(), QStringLiteral("1"));
    QCOMPARE(child<QComboBox>(*fresh, "cboYear")->currentText(), QStringLiteral("1901"));
    QCOMPARE(child<QGroupBox>(*fresh, "fraFullBrand")->childAt(offers),
             child<LinkCaption>(*fresh, "lblCobrand"));  // design order, no new draw
    QCOMPARE(run.fake.random.draws, draws);
    QCOMPARE(run.set.openResult(), nullptr);
    QVERIFY(!run.set.openNag()->isVisible());
}

void tst_Navigation::manyRoundTripsNeverShowTheCompanion()
{
    Run run;
    QPointer<frmNagScreen2> companion;
    for (int trip = 0; trip < 40; ++trip) {
        const bool viaMenu = trip % 2;
        enter(*run.set.openMain(), Proclamation);
        if (viaMenu)
            child<QAction>(*run.set.openMain(), "mnuMayan")->trigger();
        else
            child<QPushButton>(*run.set.openMain(), "cmdCalculate")->click();
        QCoreApplication::processEvents();
        freeClosedWindows();
        QCOMPARE(visibleWindows(), QStringList{Result});
        if (trip == 0)
            companion = run.set.openNag();
        QVERIFY2(companion && run.set.openNag() == companion, "the companion screen is made once and kept");
        if (viaMenu)
            child<QAction>(*run.set.openResult(), "mnuBack")->trigger();
        else
            child<QPushButton>(*run.set.openResult(), "cmdBack")->click();
        QCoreApplication::processEvents();
        freeClosedWindows();
        QCOMPARE(visibleWindows(), QStringList{Entry});
    }
    QCOMPARE(run.set.openNag(), companion.data());
    entryOf(run.set.openMain(), "mnuExit")->trigger();
    freeClosedWindows();
    QCOMPARE(visibleWindows(), QStringList{Companion});
    QCOMPARE(run.set.openNag(), companion.data());
    QVERIFY(run.fake.process.exits.isEmpty());
    companion->close();
    QCOMPARE(run.fake.process.exits, QList<int>{0});
    QVERIFY(run.set.hasEnded());
}

void tst_Navigation::lookUpWindowsBesideTheMoves_data()
{
    QTest::addColumn<bool>("fromResult");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("marked");  // the calendar marks the reading on screen afterwards
    QTest::newRow("result: File > Exit closes them first; the companion screen is left alone")
        << true << "exit" << QStringList{Companion} << false;
    QTest::newRow("result: Back keeps them; the calendar's marks go with the reading")
        << true << "back" << QStringList{Calendar, Match, Entry} << false;
    QTest::newRow("entry: Calculate keeps them; the calendar marks the new reading")
        << false << "calculate" << QStringList{Calendar, Match, Result} << true;
}

void tst_Navigation::lookUpWindowsBesideTheMoves()
{
    QFETCH(bool, fromResult);
    QFETCH(QString, command);
    QFETCH(QStringList, after);
    QFETCH(bool, marked);
    Run run;
    enter(*run.set.openMain(), Proclamation);
    if (fromResult)
        child<QPushButton>(*run.set.openMain(), "cmdCalculate")->click();
    FormWindow *from = fromResult ? static_cast<FormWindow *>(run.set.openResult()) : run.set.openMain();
    QVERIFY2(!run.set.openCalendar() && !run.set.openMatch(), "nothing of them is built before they are opened");
    for (const char *entry : {"mnuJavaneseCalendar", "mnuMatch", "mnuJavaneseCalendar", "mnuMatch"}) {
        entryOf(from, entry)->trigger();
        // Opened anew or already open behind another, the window asked for comes to the front with the focus.
        QWidget *asked = qstrcmp(entry, "mnuMatch") == 0 ? static_cast<QWidget *>(run.set.openMatch())
                                                         : static_cast<QWidget *>(run.set.openCalendar());
        QTRY_COMPARE(QApplication::activeWindow(), asked);
    }
    // At the reading's date from the result window, at today's from the entry window.
    const QDate shown = fromResult ? QDate(1945, 8, 17) : run.fake.clock.date;
    QCOMPARE(run.set.openCalendar()->chosenDate(), shown);
    QCOMPARE(child<DateBox>(*run.set.openMatch(), "firstDate")->date(), shown);
    QCOMPARE(marksAReading(run.set.openCalendar()->model()), fromResult);
    QCOMPARE(child<QWidget>(*run.set.openCalendar(), "birthLegend")->isVisibleTo(run.set.openCalendar()), fromResult);
    QSignalSpy repainted(&run.set.openCalendar()->model(), &QAbstractItemModel::dataChanged);

    if (command == QLatin1String("exit"))
        entryOf(from, "mnuExit")->trigger();
    else if (command == QLatin1String("back"))
        child<QPushButton>(*run.set.openResult(), "cmdBack")->click();
    else
        child<QPushButton>(*run.set.openMain(), "cmdCalculate")->click();
    freeClosedWindows();
    QCOMPARE(visibleWindows(), after);
    for (const QString &name : AllWindows)
        QVERIFY2(instances(name) <= 1, qPrintable(name));
    if (CalendarWindow *calendar = run.set.openCalendar()) {
        QCOMPARE(marksAReading(calendar->model()), marked);
        QCOMPARE(child<QWidget>(*calendar, "birthLegend")->isVisibleTo(calendar), marked);
        QVERIFY2(!repainted.isEmpty(), "the calendar's table is told its marks changed");
    }
    // The match window's first date follows a new reading (Calculate) and stays when there is none (Back).
    if (MatchWindow *match = run.set.openMatch())
        QCOMPARE(child<DateBox>(*match, "firstDate")->date(), QDate(1945, 8, 17));
    if (after == QStringList{Companion}) {
        run.set.openNag()->close();
        freeClosedWindows();
        QCOMPARE(run.fake.process.exits, QList<int>{0});
        QCOMPARE(visibleWindows(), QStringList{});
    }
}

QTEST_MAIN(tst_Navigation)
#include "tst_Navigation.moc"
