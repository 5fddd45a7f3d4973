// SPDX-License-Identifier: MIT
#include "Identity.h"
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/kit/LinkCaption.h"
#include "ui/outreach/frmAbout.h"
#include "ui/reading/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <functional>

using support::child;

namespace {

QString page(const char *key)
{
    return Identity::SiteAddress + QStringLiteral("/wetonara/ssd.php?page=") + QLatin1String(key);
}

// Opens the about box modal over the entry window, as the About move does, does `act` once the box is
// active, and tells whether the box then closed.
bool closesAfter(WindowSet &set, const std::function<void(frmAbout &)> &act)
{
    set.main().showCentred();
    frmAbout &about = set.about();
    about.openOver(&set.main());
    if (!QTest::qWaitForWindowActive(&about))
        return false;
    act(about);
    QCoreApplication::processEvents();
    return !set.openAbout();
}

QPoint centreInWindow(QWidget *control) { return control->mapTo(control->window(), control->rect().center()); }

}  // namespace

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void designPlaces_data();
    void designPlaces();
    void looks_data();
    void looks();
    void textsAreShownWhole();
    void dialogFrame();
    void clicks_data();
    void clicks();
    void closing_data();
    void closing();
    void eachOpeningIsAfresh();
};

void tst_frmAbout::designPlaces_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");  // pixels at 96 dpi: the designed twips divided by 15

    QTest::newRow("icon in the top left corner") << "picIcon" << QRect(8, 8, 32, 32);
    QTest::newRow("heading beside the icon") << "Label2" << QRect(48, 8, 272, 18);
    QTest::newRow("paragraph below the heading") << "Label1" << QRect(48, 34, 419, 105);
    QTest::newRow("home page link") << "lblHomePage" << QRect(197, 139, 270, 13);
    QTest::newRow("offer across the width") << "Label3" << QRect(8, 160, 459, 29);
    QTest::newRow("details link under the offer") << "lblCoBrand" << QRect(314, 189, 153, 13);
    QTest::newRow("rule across the full width, two pixels") << "Line1" << QRect(0, 216, 472, 2);
    QTest::newRow("OK at the bottom right") << "cmdOK" << QRect(383, 224, 84, 23);
}

void tst_frmAbout::designPlaces()
{
    QFETCH(QString, control);
    QFETCH(QRect, place);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    auto *widget = set.about().findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), place);
    QCOMPARE(set.about().client()->size(), QSize(472, 252));
}

void tst_frmAbout::looks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underlined");

    const QColor green(0, 128, 0);
    const QColor teal(0, 128, 128);
    QTest::newRow("heading large bold green") << "Label2" << green << 12.0 << true << false;
    QTest::newRow("paragraph regular green") << "Label1" << green << 8.25 << false << false;
    QTest::newRow("offer bold green") << "Label3" << green << 8.25 << true << false;
    QTest::newRow("home page link regular underlined teal") << "lblHomePage" << teal << 8.25 << false << true;
    QTest::newRow("details link regular underlined teal") << "lblCoBrand" << teal << 8.25 << false << true;
}

void tst_frmAbout::looks()
{
    QFETCH(QString, control);
    QFETCH(QColor, colour);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, underlined);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    auto *label = set.about().findChild<QLabel *>(control);
    QVERIFY(label);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().underline(), underlined);
    QVERIFY2(!label->autoFillBackground(), "labels let the pale yellow through");
    QCOMPARE(set.about().client()->palette().color(QPalette::Window), QColor(255, 255, 128));
    QCOMPARE(child<QFrame>(set.about(), "Line1")->palette().color(QPalette::Window), QColor(128, 0, 0));
    QVERIFY(child<QFrame>(set.about(), "Line1")->autoFillBackground());
}

void tst_frmAbout::textsAreShownWhole()
{
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    frmAbout &about = set.about();
    QCOMPARE(about.windowTitle(), QStringLiteral("Wetonara v1.65"));
    QCOMPARE(child<QLabel>(about, "Label2")->text(), QStringLiteral("Wetonara v1.65"));
    QCOMPARE(child<LinkCaption>(about, "lblHomePage")->text(),
             QStringLiteral("Click here to visit ") + Identity::SiteAddress);
    QCOMPARE(child<LinkCaption>(about, "lblCoBrand")->text(), QStringLiteral("Click here for more details"));
    QCOMPARE(child<QLabel>(about, "Label3")->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                            "make money online. Get this software fully branded for your "
                            "website."));
    QCOMPARE(child<QPushButton>(about, "cmdOK")->text(), QStringLiteral("OK"));
    QVERIFY(!child<QLabel>(about, "picIcon")->pixmap().isNull());
    QCOMPARE(child<QLabel>(about, "picIcon")->pixmap().size(), QSize(32, 32));

    const QString paragraph = child<QLabel>(about, "Label1")->text();
    QVERIFY2(paragraph.startsWith(QStringLiteral("Wetonara is a unique online astrological resource")),
             qPrintable(paragraph.left(60)));
    QVERIFY2(paragraph.size() > 400 && paragraph.size() < 560, qPrintable(QString::number(paragraph.size())));
    QVERIFY(!paragraph.endsWith(QLatin1Char('\n')));
    // Neither the wrapped paragraph nor a one-line link may be cut off by its place.
    QVERIFY2(child<QLabel>(about, "Label1")->heightForWidth(child<QLabel>(about, "Label1")->width())
                 <= child<QLabel>(about, "Label1")->height(),
             qPrintable(QString::number(
                 child<QLabel>(about, "Label1")->heightForWidth(child<QLabel>(about, "Label1")->width()))));
    QVERIFY2(child<QLabel>(about, "Label3")->heightForWidth(child<QLabel>(about, "Label3")->width())
                 <= child<QLabel>(about, "Label3")->height(),
             "offer cut off");
    for (QLabel *link : {static_cast<QLabel *>(child<LinkCaption>(about, "lblHomePage")),
                         static_cast<QLabel *>(child<LinkCaption>(about, "lblCoBrand"))}) {
        const int needed = link->fontMetrics().horizontalAdvance(link->text());
        QVERIFY2(needed <= link->width(), qPrintable(link->objectName()));
        QCOMPARE(link->geometry().right(), 466);  // right edges line up with the paragraph and OK
    }
}

void tst_frmAbout::dialogFrame()
{
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    frmAbout &about = set.about();
    QCOMPARE(about.windowType(), Qt::Dialog);
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(about.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(about.findChild<QMenuBar *>(), nullptr);
    QVERIFY(child<QPushButton>(about, "cmdOK")->isDefault());

    bool checked = false;
    closesAfter(set, [&](frmAbout &box) {
        QCOMPARE(QApplication::activeModalWidget(), &box);
        QCOMPARE(box.parentWidget(), set.openMain());    // the window manager ties it to its opener
        QCOMPARE(box.minimumSize(), box.maximumSize());  // not resizable
        const QPoint screenCentre = box.screen()->availableGeometry().center();
        // Within the rounding of the window frame's halves.
        const QPoint offCentre = box.frameGeometry().center() - screenCentre;
        QVERIFY2(qAbs(offCentre.x()) <= 3 && qAbs(offCentre.y()) <= 3,
                 qPrintable(QStringLiteral("%1, %2 off centre").arg(offCentre.x()).arg(offCentre.y())));
        checked = true;
        box.close();
    });
    QVERIFY(checked);
}

void tst_frmAbout::clicks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("opened");

    QTest::newRow("home page link opens the home page") << "lblHomePage" << QStringList{page("home-page")};
    QTest::newRow("details link opens the fully branded page, not co-brand")
        << "lblCoBrand" << QStringList{page("fully-branded")};
    QTest::newRow("the offer text itself is no link") << "Label3" << QStringList{};
    QTest::newRow("heading is no link") << "Label2" << QStringList{};
    QTest::newRow("paragraph is no link") << "Label1" << QStringList{};
    QTest::newRow("icon is no link") << "picIcon" << QStringList{};
}

void tst_frmAbout::clicks()
{
    QFETCH(QString, control);
    QFETCH(QStringList, opened);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    bool stayedOpen = false;
    const bool closed = closesAfter(set, [&](frmAbout &box) {
        auto *widget = box.findChild<QWidget *>(control);
        QVERIFY(widget);
        QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, centreInWindow(widget));
        stayedOpen = box.isVisible() && set.openAbout() == &box;
    });
    QCOMPARE(fake.browser.opened, opened);
    QVERIFY2(stayedOpen, "a click on the about box leaves it open");
    QVERIFY(!closed);
}

void tst_frmAbout::closing_data()
{
    QTest::addColumn<int>("key");  // 0: click OK; -1: the title bar's close
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Enter closes") << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("keypad Enter closes") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("Esc closes") << int(Qt::Key_Escape) << 0 << true;
    QTest::newRow("Space on the focused OK closes") << int(Qt::Key_Space) << 0 << true;
    QTest::newRow("clicking OK closes") << 0 << 0 << true;
    QTest::newRow("title bar close closes") << -1 << 0 << true;
    QTest::newRow("a letter does not close") << int(Qt::Key_A) << 0 << false;
    QTest::newRow("Tab does not close") << int(Qt::Key_Tab) << 0 << false;
}

void tst_frmAbout::closing()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    const bool closed = closesAfter(set, [&](frmAbout &box) {
        if (key == 0)
            QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, centreInWindow(child<QPushButton>(box, "cmdOK")));
        else if (key == -1)
            box.close();
        else
            QTest::keyClick(box.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    });
    QCOMPARE(closed, closes);
    QVERIFY(fake.browser.opened.isEmpty());
    QVERIFY(fake.messages.shown.isEmpty());
}

void tst_frmAbout::eachOpeningIsAfresh()
{
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    QPointer<frmAbout> first(&set.about());
    child<QLabel>(*first, "Label1")->setText(QStringLiteral("changed"));
    QVERIFY(closesAfter(set, [](frmAbout &box) { box.close(); }));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(child<QLabel>(set.about(), "Label1")->text().startsWith(QStringLiteral("Wetonara is")));
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
