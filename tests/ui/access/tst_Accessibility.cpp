// SPDX-License-Identifier: MIT
// What a screen reader learns of the controls: each is named by the caption a sighted user reads beside
// it or on it, and says what kind of control it is.
#include "Identity.h"
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/kit/LinkCaption.h"
#include "ui/outreach/frmAbout.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmMain.h"
#include "ui/reading/frmSave.h"
#include "weton/InterfaceLanguage.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTranslator>
#include <QtTest>

using support::child;

namespace {

QWidget *windowNamed(WindowSet &set, const QString &name)
{
    if (name == QLatin1String("report"))
        return &set.report();
    if (name == QLatin1String("about"))
        return &set.about();
    if (name == QLatin1String("companion"))
        return &set.nag();
    if (name == QLatin1String("calendar"))
        return &set.calendar();
    return &set.main();
}

}  // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }
    void controlsAreNamedByTheirCaptions_data();
    void controlsAreNamedByTheirCaptions();
    void pressingALinkOpensItsPageOnce();
};

void tst_Accessibility::controlsAreNamedByTheirCaptions_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");  // checked when not empty
    QTest::addColumn<QString>("language");
    const auto rowIn = [](const char *language, const char *behaviour, const char *window, const char *control,
                          QAccessible::Role role, const QString &name, const QString &value = {}) {
        QTest::newRow(behaviour) << QString::fromLatin1(window) << QString::fromLatin1(control) << role << name << value
                                 << QString::fromLatin1(language);
    };
    const auto row = [&rowIn](const char *behaviour, const char *window, const char *control, QAccessible::Role role,
                              const QString &name, const QString &value = {}) {
        rowIn("en", behaviour, window, control, role, name, value);
    };
    row("name box by its caption, not by its frame", "entry", "txtName", QAccessible::EditableText, "Name");
    row("list by what it holds, its item as value", "entry", "cboMonth", QAccessible::ComboBox, "Month", "January");
    row("wrapped button caption in one line, without its access-key mark", "entry", "cmdOpen", QAccessible::Button,
        "Open Previously Saved Reading");
    row("offer caption is a link, its doubled ampersand said once", "report", "lblCobrand", QAccessible::Link,
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  "
        "link here. See \"Help\" for details.    Click Here for more info on co-branding.");
    row("companion box by its placeholder, not by its frame", "companion", "txtFriendEmail", QAccessible::EditableText,
        "Friend's Email Address");
    row("companion message box, out of sight", "companion", "txtMessage", QAccessible::EditableText, "Your Message");
    row("calendar's month list, beside no caption", "calendar", "monthList", QAccessible::ComboBox, "Month");
    // Spoken names are read to the user, so they speak the interface's language.
    rowIn("id", "Indonesian: day list named in Indonesian", "entry", "cboDate", QAccessible::ComboBox, "Tanggal");
    rowIn("id", "Indonesian: month list and its item", "entry", "cboMonth", QAccessible::ComboBox, "Bulan", "Januari");
    rowIn("id", "Indonesian: companion box by its placeholder", "companion", "txtFriendEmail",
          QAccessible::EditableText, "Alamat Email Teman");
    rowIn("id", "Indonesian: calendar's month list", "calendar", "monthList", QAccessible::ComboBox, "Bulan");
}

void tst_Accessibility::controlsAreNamedByTheirCaptions()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, language);
    QCOMPARE(InterfaceLanguage::install(*qApp, {language}), language);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    auto *widget = windowNamed(set, window)->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(spoken);
    QCOMPARE(spoken->role(), role);
    QCOMPARE(spoken->text(QAccessible::Name), name);
    if (!value.isEmpty())
        QCOMPARE(spoken->text(QAccessible::Value), value);
}

void tst_Accessibility::pressingALinkOpensItsPageOnce()
{
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(child<LinkCaption>(set.about(), "lblHomePage"));
    QVERIFY(link && link->actionInterface());
    QVERIFY(link->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(fake.browser.opened,
             QStringList{Identity::SiteAddress + QStringLiteral("/wetonara/ssd.php?page=home-page")});
}

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
