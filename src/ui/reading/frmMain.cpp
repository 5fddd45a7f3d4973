// SPDX-License-Identifier: MIT
#include "frmMain.h"

#include "AppMenus.h"
#include "Identity.h"
#include "ReadingMoves.h"
#include "files/SavedReading.h"
#include "ui/kit/Controls.h"
#include "ui/kit/LengthLimit.h"
#include "ui/kit/LinkCaption.h"
#include "ui/kit/Messages.h"
#include "ui/outreach/Branding.h"
#include "weton/AfterSunset.h"
#include "weton/CoveredDays.h"
#include "weton/CurrentReading.h"
#include "weton/GregorianMonths.h"
#include "weton/InterfaceLanguage.h"
#include "weton/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int February = 1;
// The captions of the name box and the date lists may grow this wide, short of the boxes at 1530.
constexpr int DetailCaptionRoom = 1380;
// The row under the date that holds "Born after sunset": everything below it moves down by as much.
constexpr int SunsetRow = 270;

// The lists share the one caption "Date of Birth"; each is named for a screen reader by what it holds.
QComboBox *list(QWidget *parent, const char *name, const QString &spokenName, const QRect &place)
{
    auto *box = new QComboBox(parent);  // not editable: only listed items can be chosen
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(spokenName);
    box->setGeometry(place);
    return box;
}

void selectItem(QComboBox *box, const QString &text)
{
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        box->setCurrentIndex(index);
}

}  // namespace

frmMain::frmMain(const Services &services, CurrentReading &reading, EntryMoves &moves)
    : FormWindow(Identity::VersionCaption, 8205, 4455 + SunsetRow, Look::PaleYellow), m_services(services),
      m_reading(reading), m_moves(moves)
{
    setObjectName(QStringLiteral("frmMain"));
    buildIntroduction();
    buildPersonalDetails();
    buildBranding();
    buildMenus();
    setTabOrder(txtName, cboMonth);
    setTabOrder(cboMonth, cboDate);
    setTabOrder(cboDate, cboYear);
    setTabOrder(cboYear, chkAfterSunset);
    setTabOrder(chkAfterSunset, cmdCalculate);
    setTabOrder(cmdCalculate, cmdOpen);
    Form_Load();
    txtName->setFocus();
}

void frmMain::buildIntroduction()
{
    Label14 = Branding::addForumLink(
        client(), "Label14", Branding::ForumCaption(), Look::rect(1620, 0, 4965, 390),
        {Look::verdana(8.25, Look::Bold), Look::Green, Qt::AlignHCenter | Qt::AlignTop, true}, m_services.browser);
    const Controls::Text intro{Look::verdana(8.25), Look::DarkGreen, Qt::AlignLeft | Qt::AlignTop, true};
    Label2[0] = Controls::label(
        client(), "Label2",
        tr("Welcome to Wetonara. Wetonara is one of the best and most comprehensive online astrological "
           "resource for those interested in exploring the astrological culture and the zodiacs of the "
           "Indonesian civilization. "),
        Look::rect(105, 600, 7995, 615), intro);
    Label2[1] = Controls::label(client(), "Label2",
                                tr("Just input your name and date of birth and generate your Javanese / "
                                   "Indonesian astrological reading!"),
                                Look::rect(105, 1200, 7995, 495), intro);
    Label2[0]->setProperty("index", 0);
    Label2[1]->setProperty("index", 1);
    cmdOpen = Controls::button(client(), "cmdOpen", tr("&Open Previously Saved Reading"),
                               Look::rect(135, 1920, 2895, 1575 + SunsetRow), Look::verdana(9, Look::Bold));
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::Open);
}

void frmMain::buildPersonalDetails()
{
    Frame1 = new QGroupBox(tr("Personal Details"), client());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Look::rect(3135, 1800, 4935, 1215 + SunsetRow));
    Frame1->setFont(Look::verdana(9, Look::Bold));
    Controls::setTextColour(Frame1, Look::DarkGreen);
    const Controls::Text caption{Look::verdana(8.25, Look::Bold), Look::Green};
    Label1[0] = Controls::label(Frame1, "Label1", tr("Name"), Look::rect(120, 450, 555, 195), caption);
    Label1[1] = Controls::label(Frame1, "Label1", tr("Date of Birth"), Look::rect(120, 855, 1230, 195), caption);
    for (int i = 0; i < 2; ++i) {
        Controls::growRightwards(Label1[i], DetailCaptionRoom);
        Label1[i]->setProperty("index", i);
    }
    txtName = new QLineEdit(Frame1);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setGeometry(Look::rect(1530, 360, 3300, 285));
    // As long a name as a saved reading can hold.
    LengthLimit::apply(txtName, SavedReading::LongestName);
    txtName->setAccessibleName(Label1[0]->text());
    Label1[0]->setBuddy(txtName);
    cboMonth = list(Frame1, "cboMonth", tr("Month"), Look::rect(1530, 765, 1400, 315));
    cboDate = list(Frame1, "cboDate", tr("Day"), Look::rect(3030, 765, 700, 315));
    cboYear = list(Frame1, "cboYear", tr("Year"), Look::rect(3825, 765, 1000, 315));
    for (QWidget *control : {static_cast<QWidget *>(txtName), static_cast<QWidget *>(cboMonth),
                             static_cast<QWidget *>(cboDate), static_cast<QWidget *>(cboYear)}) {
        control->setFont(Look::verdana(8.25));
        Controls::setInputColours(control, Look::Black, Look::White);
    }
    // Off by default: a reading without it is the reading of the date as entered.
    chkAfterSunset = new QCheckBox(tr("Born after &sunset"), Frame1);
    chkAfterSunset->setObjectName(QStringLiteral("chkAfterSunset"));
    chkAfterSunset->setGeometry(Look::rect(1530, 1140, 3300, 255));
    chkAfterSunset->setFont(Look::verdana(8.25));
    Controls::setTextColour(chkAfterSunset, Look::Green);
    cmdCalculate = Controls::button(client(), "cmdCalculate", tr("Find My &Indonesian Birthday (Weton)"),
                                    Look::rect(3135, 3120 + SunsetRow, 4935, 375), Look::verdana(8.25, Look::Bold));
    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::Calculate);
}

void frmMain::buildBranding()
{
    const Branding::OfferFrame built =
        Branding::addOfferFrame(client(), Look::rect(30, 3600 + SunsetRow, 8145, 855), 7905, m_services.browser);
    fraFullBrand = built.fraFullBrand;
    lblFullBrand = built.offers.lblFullBrand;
    lblCobrand = built.offers.lblCobrand;
}

void frmMain::buildMenus()
{
    QMenu *file = AppMenus::addMenu(menuBar(), "mnuFile", tr("&File"));
    mnuMayan =
        AppMenus::addEntry(file, "mnuMayan", tr("Find My &Indonesian Birthday (Weton)"), [this] { Calculate(); });
    AppMenus::addSeparator(file, "mnuSep3");
    mnuExit = AppMenus::addEntry(file, "mnuExit", tr("E&xit"), [this] { close(); });
    AppMenus::addCalendarMenu(menuBar(), m_moves);
    AppMenus::addHelpAndOffers(menuBar(), m_services.browser, m_moves, "mnuSep1", "mnuSep2");
}

void frmMain::Form_Load()
{
    // The list shows the month in the person's language and keeps the English name, which is what the
    // reckoning and the saved reading use.
    for (int month = 0; month < 12; ++month)
        cboMonth->addItem(InterfaceLanguage::shownMonthName(month), GregorianMonths::name(month).toString());
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    for (int year = CoveredDays::FirstYear; year <= CoveredDays::LastYear; ++year)
        cboYear->addItem(QString::number(year));
    cboMonth->setCurrentIndex(0);
    cboDate->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

bool frmMain::refuseDate(const QString &message)
{
    Messages::show(m_services.messages, message, platform::MessageIcon::Information);
    return false;
}

bool frmMain::ValidateEntry()
{
    if (Text::trimSpaces(txtName->text()).isEmpty()) {
        Messages::show(m_services.messages, tr("Please Enter Your Name"), platform::MessageIcon::Critical);
        txtName->setFocus();
        return false;
    }
    // Positions are list positions: month 1 is February, day position p is day p + 1. Every offered
    // year divisible by 4 is a leap year.
    const bool leapYear = cboYear->currentText().toInt() % 4 == 0;
    const int month = cboMonth->currentIndex();
    const int day = cboDate->currentIndex();
    if (leapYear && month == February && (day == 29 || day == 30))
        return refuseDate(tr("Please Enter Correct Date Or Month!"));
    if (!leapYear && month == February && day >= 28 && day <= 30)
        return refuseDate(tr("Please Enter Correct Date Or Month!"));
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30)
        return refuseDate(tr("Please Enter Correct Date Or Month !"));
    return true;
}

void frmMain::storeReading()
{
    // Each field is taken by itself: a value that cannot be converted keeps the field's earlier content.
    m_reading.PersonName = Text::trimSpaces(txtName->text());
    bool ok = false;
    const qint16 year = Text::trimSpaces(cboYear->currentText()).toShort(&ok);
    if (ok)
        m_reading.BirthYear = year;
    m_reading.BirthMonth = Text::trimSpaces(cboMonth->currentData().toString());
    const qint16 day = Text::trimSpaces(cboDate->currentText()).toShort(&ok);
    if (ok)
        m_reading.BirthDay = day;
    m_reading.BornAfterSunset = chkAfterSunset->isChecked();
}

void frmMain::Calculate()
{
    if (!ValidateEntry())
        return;
    storeReading();
    // An overflow (impossible with the listed days) is passed over like any failing step here.
    m_moves.showResult(AfterSunset::shownResult(m_reading));
    close();  // the window set discards this window later, from the event loop
    m_moves.hideCompanionScreen();
}

void frmMain::Open()
{
    const QString path = m_services.fileDialogs.openFileName({tr("Select the source file"), SavedReading::FileFilter});
    if (path.isEmpty())
        return;  // cancelled: nothing to say
    OpenFile(path);
}

void frmMain::OpenFile(const QString &path)
{
    if (!loadSavedReading(path))
        return;
    Calculate();
    // Also when the check refused the reading: the companion screen exists from here on, hidden.
    m_moves.hideCompanionScreen();
}

bool frmMain::loadSavedReading(const QString &path)
{
    const std::optional<SavedReading::Fields> fields =
        SavedReading::hasSavedReadingExtension(path) ? SavedReading::readFile(path) : std::nullopt;
    if (!fields) {
        Messages::show(m_services.messages, tr("Please Check The File."), platform::MessageIcon::Critical);
        return false;
    }
    txtName->setText(fields->name);
    selectItem(cboDate, fields->day);
    const int month = cboMonth->findData(fields->month, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (month >= 0)
        cboMonth->setCurrentIndex(month);
    selectItem(cboYear, fields->year);
    chkAfterSunset->setChecked(fields->afterSunset);
    return true;
}

void frmMain::bringOfferToFront(CoBrand::Front front)
{
    if (front == CoBrand::Front::CoBrand)
        lblCobrand->raise();
    else if (front == CoBrand::Front::FullBrand)
        lblFullBrand->raise();
}

void frmMain::closeStep() { m_moves.showCompanionScreen(); }
