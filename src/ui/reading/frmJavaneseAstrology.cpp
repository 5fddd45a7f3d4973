// SPDX-License-Identifier: MIT
#include "frmJavaneseAstrology.h"

#include "AppMenus.h"
#include "Identity.h"
#include "ReadingMoves.h"
#include "ui/kit/Controls.h"
#include "ui/kit/FocusMark.h"
#include "ui/kit/LinkCaption.h"
#include "ui/kit/WetonanExport.h"
#include "ui/outreach/Branding.h"
#include "weton/AfterSunset.h"
#include "weton/CurrentReading.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>

namespace {

const QString DesignResult = QStringLiteral("Javanese Result");

// The description's place, and the room the after-sunset line takes from its top when it is shown.
const QRect DescriptionPlace = Look::rect(240, 1800, 8580, 2475);
constexpr int SunsetLineHeight = 420;
constexpr int SunsetLineGap = 60;

// The description can run to 930 characters: it wraps inside its place and scrolls if it must.
QLabel *descriptionLabel(QWidget *parent, const Controls::Text &look)
{
    auto *area = new QScrollArea(parent);
    area->setObjectName(QStringLiteral("descriptionArea"));
    // It takes the focus so the keys can scroll it: a screen reader names it, and a mark shows the focus.
    area->setAccessibleName(QCoreApplication::translate("frmJavaneseAstrology", "Description"));
    FocusMark::install(area);
    area->setGeometry(DescriptionPlace);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setAutoFillBackground(false);
    area->viewport()->setAutoFillBackground(false);
    QLabel *label = Controls::label(nullptr, "lblJavaneseResult", DesignResult, QRect(), look);
    area->setWidget(label);
    label->setAutoFillBackground(false);
    return label;
}

}  // namespace

frmJavaneseAstrology::frmJavaneseAstrology(const Services &services, const CurrentReading &reading, ResultMoves &moves)
    : FormWindow(Identity::VersionCaption, 9045, 5460, Look::PaleYellow), m_services(services), m_reading(reading),
      m_moves(moves)
{
    setObjectName(QStringLiteral("frmJavaneseAstrology"));
    Label14 = Branding::addForumLink(
        client(), "Label14", Branding::ForumCaption(), Look::rect(2040, 0, 4965, 390),
        {Look::verdana(8.25, Look::Bold), Look::Green, Qt::AlignHCenter | Qt::AlignTop, true}, m_services.browser);
    Shape1 = new QFrame(client());
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(Look::rect(122, 600, 8800, 3855));
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Controls::setTextColour(Shape1, Look::Black);
    buildResultRows();
    buildBottomStrip();
    buildMenus();
    cmdSave->setFocus();  // the first button, not the description above it
}

void frmJavaneseAstrology::buildResultRows()
{
    const Controls::Text caption{Look::verdana(9, Look::Bold), Look::DarkGreen};
    const Controls::Text value{Look::verdana(8.25, Look::Bold), Look::Green};
    const QString captions[] = {tr("Indonesian Day Sign:"), tr("Indonesian Weekday:"), tr("English Weekday")};
    const int captionWidths[] = {2115, 2160, 1695};
    constexpr int CaptionRoom = 2160;
    for (int i = 0; i < 3; ++i) {
        const int top = 720 + 360 * i;
        Label1[i] =
            Controls::label(client(), "Label1", captions[i], Look::rect(240, top, captionWidths[i], 210), caption);
        // As far as the widest design width, short of the result column.
        Controls::growRightwards(Label1[i], CaptionRoom);
        Label1[i]->setProperty("index", i);
        lblJavaneseResult[i] =
            Controls::label(client(), "lblJavaneseResult", DesignResult, Look::rect(2520, top + 15, 1575, 195), value);
    }
    lblJavaneseResult[3] =
        descriptionLabel(client(), {Look::verdana(8.25), Look::Green, Qt::AlignLeft | Qt::AlignTop, true});
    descriptionArea = findChild<QScrollArea *>(QStringLiteral("descriptionArea"));
    lblAfterSunset =
        Controls::label(client(), "lblAfterSunset", QString(), Look::rect(240, 1800, 8580, SunsetLineHeight),
                        {Look::verdana(8.25, Look::Bold), Look::DarkGreen, Qt::AlignLeft | Qt::AlignTop, true});
    lblAfterSunset->hide();
    for (int i = 0; i < 4; ++i)
        lblJavaneseResult[i]->setProperty("index", i);
}

void frmJavaneseAstrology::buildBottomStrip()
{
    Frame5 = new QFrame(client());
    Frame5->setObjectName(QStringLiteral("Frame5"));
    Frame5->setGeometry(Look::rect(-50, 4560, 9500, 1125));
    Controls::setBackground(Frame5, Look::PaleYellow);
    const Branding::Offers offers =
        Branding::addOffers(Frame5, Look::rect(60, 240, 6850, 615),
                            {Look::verdana(8.25, Look::Bold), Look::Green, Qt::AlignLeft | Qt::AlignTop, true},
                            Branding::OnTop::FullBrand, m_services.browser);
    lblCobrand = offers.lblCobrand;
    lblFullBrand = offers.lblFullBrand;
    cmdSave = Controls::button(Frame5, "cmdSave", tr("&Save"), Look::rect(6960, 360, 975, 375), Look::verdana(8.25));
    cmdBack = Controls::button(Frame5, "cmdBack", tr("&Back"), Look::rect(8040, 360, 975, 375), Look::verdana(8.25));
    connect(cmdSave, &QPushButton::clicked, this, &frmJavaneseAstrology::cmdSave_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmJavaneseAstrology::cmdBack_Click);
}

void frmJavaneseAstrology::buildMenus()
{
    QMenu *file = AppMenus::addMenu(menuBar(), "mnuFile", tr("&File"));
    mnuExportWetonan =
        AppMenus::addEntry(file, "mnuExportWetonan", WetonanExport::caption(), [this] { exportWetonan(); });
    mnuBack = AppMenus::addEntry(file, "mnuBack", tr("&Back"), [this] { cmdBack_Click(); });
    AppMenus::addSeparator(file, "mnuSep1");
    mnuExit = AppMenus::addEntry(file, "mnuExit", tr("E&xit"), [this] { close(); });
    AppMenus::addCalendarMenu(menuBar(), m_moves);
    AppMenus::addHelpAndOffers(menuBar(), m_services.browser, m_moves, "mnuSep2", "mnuSep3");
}

void frmJavaneseAstrology::display(const WetonResult &result)
{
    lblJavaneseResult[0]->setText(result.MarketDay);
    lblJavaneseResult[1]->setText(result.IndonesianWeekday);
    lblJavaneseResult[2]->setText(result.EnglishWeekday);
    lblJavaneseResult[3]->setText(result.Description);
    showSunsetLine();
}

void frmJavaneseAstrology::showSunsetLine()
{
    const QDate birth = AfterSunset::birthDate(m_reading);
    const bool shown = m_reading.BornAfterSunset && birth.isValid();
    lblAfterSunset->setText(shown ? AfterSunset::line(birth) : QString());
    lblAfterSunset->setVisible(shown);
    const int room = Look::px(SunsetLineHeight + SunsetLineGap);
    descriptionArea->setGeometry(shown ? DescriptionPlace.adjusted(0, room, 0, 0) : DescriptionPlace);
}

void frmJavaneseAstrology::exportWetonan()
{
    WetonanExport::run({m_services.messages, m_services.fileDialogs, m_services.clock}, m_reading.PersonName,
                       AfterSunset::birthDate(m_reading), m_reading.BornAfterSunset);
}

void frmJavaneseAstrology::closeStep() { m_moves.showCompanionScreen(); }

void frmJavaneseAstrology::cmdSave_Click() { m_moves.openReport(this); }

void frmJavaneseAstrology::cmdBack_Click() { m_moves.Back(); }
