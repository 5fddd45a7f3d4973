// What a screen reader learns of the controls: each is named by the caption a sighted user reads beside
// it or on it, and says what kind of control it is.
#include "Identity.h"
#include "fakes/FakePlatform.h"
#include "screens/LinkCaption.h"
#include "screens/WindowSet.h"
#include "screens/frmAbout.h"
#include "screens/frmMain.h"
#include "screens/frmNagScreen2.h"
#include "screens/frmSave.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

namespace {

QWidget *windowNamed(WindowSet &set, const QString &name)
{
    if (name == QLatin1String("report"))
        return &set.report();
    if (name == QLatin1String("about"))
        return &set.about();
    if (name == QLatin1String("companion"))
        return &set.nag();
    return &set.main();
}

}  // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT
private slots:
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

    QTest::newRow("name box by its caption, not by its frame") << "entry"
                                                               << "txtName" << QAccessible::EditableText << "Name"
                                                               << "";
    QTest::newRow("month list by what it holds, its item as value") << "entry"
                                                                    << "cboMonth" << QAccessible::ComboBox << "Month"
                                                                    << "January";
    QTest::newRow("day list") << "entry"
                              << "cboDate" << QAccessible::ComboBox << "Day"
                              << "1";
    QTest::newRow("year list") << "entry"
                               << "cboYear" << QAccessible::ComboBox << "Year"
                               << "1901";
    QTest::newRow("wrapped button caption said in one line, without its access-key mark")
        << "entry"
        << "cmdOpen" << QAccessible::Button << "Open Previously Saved Reading"
        << "";
    QTest::newRow("forum caption is a link") << "entry"
                                             << "Label14" << QAccessible::Link
                                             << "The Most Popular Online Tarvex Discussion Forum. Click Here To "
                                                "Visit Nolvane Now."
                                             << "";
    QTest::newRow("offer caption is a link, its doubled ampersand said once")
        << "report"
        << "lblCobrand" << QAccessible::Link
        << "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name "
           "&  link here. See \"Help\" for details.    Click Here for more info on co-branding."
        << "";
    QTest::newRow("about box's home-page link")
        << "about"
        << "lblHomePage" << QAccessible::Link << "Click here to visit " + Identity::SiteAddress << "";
    QTest::newRow("companion sender's name box, not \"Refer A Friend\"")
        << "companion"
        << "txtName" << QAccessible::EditableText << "Your Name"
        << "";
    QTest::newRow("companion sender's address box") << "companion"
                                                    << "txtEmail" << QAccessible::EditableText << "Your Email Address"
                                                    << "";
    QTest::newRow("companion friend's name box") << "companion"
                                                 << "txtFriendName" << QAccessible::EditableText << "Friend's Name"
                                                 << "";
    QTest::newRow("companion friend's address box")
        << "companion"
        << "txtFriendEmail" << QAccessible::EditableText << "Friend's Email Address"
        << "";
    QTest::newRow("companion message box") << "companion"
                                           << "txtMessage" << QAccessible::EditableText << "Your Message"
                                           << "";
    QTest::newRow("companion exit button") << "companion"
                                           << "cmdClose" << QAccessible::Button << "Exit"
                                           << "";
    QTest::newRow("companion software link")
        << "companion"
        << "lblGoToHome" << QAccessible::Link << "Click Here To Visit Tarvex Softwares"
        << "";
}

void tst_Accessibility::controlsAreNamedByTheirCaptions()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, value);
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
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(set.about().lblHomePage);
    QVERIFY(link && link->actionInterface());
    QVERIFY(link->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(fake.browser.opened,
             QStringList{Identity::SiteAddress + QStringLiteral("/wetonara/ssd.php?page=home-page")});
}

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
