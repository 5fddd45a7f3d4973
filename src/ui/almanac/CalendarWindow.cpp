// SPDX-License-Identifier: MIT
#include "CalendarWindow.h"

#include "CalendarDelegate.h"
#include "CalendarModel.h"
#include "CalendarPanels.h"
#include "CalendarView.h"
#include "Identity.h"
#include "MonthDocument.h"
#include "ui/kit/AlertLabel.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Printing.h"
#include "ui/kit/ScreenPlacement.h"
#include "ui/kit/WetonanExport.h"
#include "weton/AfterSunset.h"
#include "weton/CoveredDays.h"
#include "weton/CurrentReading.h"
#include "weton/DaySignCatalogue.h"
#include "weton/InterfaceLanguage.h"

#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The longest the window waits before it looks at the clock again: a clock that jumps (a machine that
// slept, a new time zone) is caught up with this soon.
constexpr int LongestClockWait = 10 * 60 * 1000;

}  // namespace

CalendarWindow::CalendarWindow(const Services &services, const CurrentReading &reading)
    : FormWindow(QString(), Look::PaleYellow), m_services(services), m_reading(reading),
      m_model(new CalendarModel(this)), m_clockTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("CalendarWindow"));
    auto *layout = new QVBoxLayout(this);
    buildNavigation(layout);
    title = Controls::label(this, "title", QString(), {}, {Look::verdana(14, Look::Bold), Look::DarkGreen});
    javaneseTitle = Controls::label(this, "javaneseTitle", QString(), {}, {Look::verdana(10), Look::DarkGreen});
    hijriTitle = Controls::label(this, "hijriTitle", QString(), {}, {Look::verdana(10), Look::DarkGreen});
    layout->addWidget(title);
    // The Javanese and the Hijri months share a line, so the month keeps its room on a small screen.
    auto *calendars = new QHBoxLayout;
    calendars->addWidget(javaneseTitle);
    calendars->addSpacing(24);
    calendars->addWidget(hijriTitle);
    calendars->addStretch(1);
    layout->addLayout(calendars);
    grid = new CalendarView(m_model, this);
    grid->setFont(Look::verdana(9));
    Controls::setInputColours(grid, Look::Black, Look::White);
    layout->addWidget(grid, 1);
    reason = new AlertLabel(this);
    reason->setObjectName(QStringLiteral("reason"));
    reason->setFont(Look::verdana(8.25, Look::Bold));
    Controls::setTextColour(reason, Look::DarkRed);
    buildDetails(layout);
    buildButtons(layout);
    connect(grid, &CalendarView::leavingMonth, this, &CalendarWindow::goTo);
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &CalendarWindow::showChosenDay);
    connect(m_clockTimer, &QTimer::timeout, this, &CalendarWindow::followTheClock);
    followTheClock();
}

QToolButton *CalendarWindow::stepButton(const char *name, const QString &caption, const QString &spoken, int months)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setAccessibleName(spoken);
    button->setToolTip(spoken);
    connect(button, &QToolButton::clicked, this, [this, months] { goTo(chosenDate().addMonths(months)); });
    return button;
}

void CalendarWindow::buildNavigation(QBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    previousYear = stepButton("previousYear", QStringLiteral("«"), tr("Previous year (Shift+Page Up)"), -12);
    previousMonth = stepButton("previousMonth", QStringLiteral("‹"), tr("Previous month (Page Up)"), -1);
    nextMonth = stepButton("nextMonth", QStringLiteral("›"), tr("Next month (Page Down)"), 1);
    nextYear = stepButton("nextYear", QStringLiteral("»"), tr("Next year (Shift+Page Down)"), 12);
    monthList = new QComboBox(this);
    monthList->setObjectName(QStringLiteral("monthList"));
    monthList->setAccessibleName(tr("Month"));
    for (int month = 0; month < 12; ++month)
        monthList->addItem(InterfaceLanguage::shownMonthName(month));
    yearBox = new QSpinBox(this);
    yearBox->setObjectName(QStringLiteral("yearBox"));
    yearBox->setAccessibleName(tr("Year"));
    yearBox->setRange(CoveredDays::FirstYear, CoveredDays::LastYear);
    for (QWidget *chooser : {static_cast<QWidget *>(monthList), static_cast<QWidget *>(yearBox)})
        Controls::setInputColours(chooser, Look::Black, Look::White);
    connect(monthList, &QComboBox::activated, this, &CalendarWindow::chooseFromLists);
    connect(yearBox, &QSpinBox::valueChanged, this, &CalendarWindow::chooseFromLists);
    todayButton = new QPushButton(tr("&Today"), this);
    todayButton->setObjectName(QStringLiteral("todayButton"));
    connect(todayButton, &QPushButton::clicked, this, [this] { goTo(m_services.clock.today()); });
    for (QWidget *control :
         std::initializer_list<QWidget *>{previousYear, previousMonth, monthList, yearBox, nextMonth, nextYear})
        row->addWidget(control);
    row->addStretch(1);
    row->addWidget(todayButton);
    layout->addLayout(row);
}

void CalendarWindow::buildDetails(QBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    details = Controls::label(this, "details", QString(), {}, {Look::verdana(9), Look::DarkGreen});
    details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const Controls::Text note{Look::verdana(8.25), Look::DarkGreen, Qt::AlignLeft | Qt::AlignTop, true};
    sunsetNote = Controls::label(this, "sunsetNote", QString(), {}, note);
    sunsetNote->hide();
    hijriNote = Controls::label(this, "hijriNote",
                                tr("The Hijri date is reckoned by the arithmetical (tabular) calendar. The dates "
                                   "that Indonesia's government and Muhammadiyah announce, fixed by sighting "
                                   "criteria, may differ from it by a day."),
                                {}, note);
    row->addWidget(CalendarPanels::detailsArea({details, sunsetNote, hijriNote}), 1);
    auto *legends = new QVBoxLayout;
    legends->addWidget(CalendarPanels::legend(DayMarks::Today, Look::PaleYellow, CalendarDelegate::TodayFrame));
    birthLegend = new QWidget(this);
    birthLegend->setObjectName(QStringLiteral("birthLegend"));
    auto *birthLegends = new QVBoxLayout(birthLegend);
    birthLegends->setContentsMargins(0, 0, 0, 0);
    birthLegends->addWidget(CalendarPanels::legend(DayMarks::Birth, CalendarDelegate::BirthGround, QColor()));
    birthLegends->addWidget(CalendarPanels::legend(DayMarks::Wetonan, CalendarDelegate::WetonanGround, QColor()));
    legends->addWidget(birthLegend);
    legends->addStretch(1);
    row->addLayout(legends);
    layout->addLayout(row);
}

void CalendarWindow::buildButtons(QBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    row->addWidget(reason, 1);
    exportButton = new QPushButton(WetonanExport::caption(), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->hide();  // only while a date of birth is marked
    connect(exportButton, &QPushButton::clicked, this, &CalendarWindow::exportWetonan);
    row->addWidget(exportButton);
    printButton = new QPushButton(tr("&Print"), this);
    printButton->setObjectName(QStringLiteral("printButton"));
    closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(printButton, &QPushButton::clicked, this, &CalendarWindow::print);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    row->addWidget(printButton);
    row->addWidget(closeButton);
    layout->addLayout(row);
}

void CalendarWindow::showFor(QDate birth, bool afterSunset)
{
    setBirth(birth, afterSunset);
    // A clock outside the calendar's years still opens it, at the nearest day it covers.
    goTo(birth.isValid() ? birth : CoveredDays::nearest(m_services.clock.today()));
    if (!m_sized) {
        m_sized = true;
        if (const QScreen *shownOn = screen())
            resize(ScreenPlacement::openingSize(sizeHint(), minimumSizeHint(), shownOn->availableGeometry()));
    }
    showInFront();
    grid->setFocus();
}

void CalendarWindow::setBirth(QDate birth, bool afterSunset)
{
    m_birth = CoveredDays::contains(birth) ? birth : QDate();
    m_afterSunset = m_birth.isValid() && afterSunset;
    birthLegend->setVisible(m_birth.isValid());
    exportButton->setVisible(m_birth.isValid());
    sunsetNote->setText(m_afterSunset ? AfterSunset::line(m_birth) : QString());
    sunsetNote->setVisible(m_afterSunset);
    m_model->setMarks(m_services.clock.today(), m_birth, m_afterSunset);
}

QDate CalendarWindow::chosenDate() const { return m_model->dateAt(grid->currentIndex()); }

bool CalendarWindow::goTo(QDate date)
{
    if (!CoveredDays::contains(date)) {
        reason->announce(
            tr("The calendar covers %1 to %2.")
                .arg(MonthSheet(CoveredDays::FirstYear, 1).title(), MonthSheet(CoveredDays::LastYear, 12).title()));
        return false;
    }
    reason->withdraw();
    const MonthSheet &shown = m_model->sheet();
    if (shown.year() != date.year() || shown.month() != date.month()) {
        m_model->setMonth(date.year(), date.month());
        m_model->setMarks(m_services.clock.today(), m_birth, m_afterSunset);
        title->setText(m_model->sheet().title());
        // The title bar, the task bar and a screen reader name the month on show.
        setWindowTitle(tr("%1 – Javanese Calendar – %2").arg(title->text(), Identity::ApplicationTitle));
        grid->setAccessibleName(title->text());
        javaneseTitle->setText(m_model->sheet().javaneseTitle());
        hijriTitle->setText(m_model->sheet().hijriTitle());
        const QSignalBlocker quietMonth(monthList), quietYear(yearBox);
        monthList->setCurrentIndex(date.month() - 1);
        yearBox->setValue(date.year());
    }
    grid->setCurrentIndex(m_model->indexOf(date));
    return true;
}

void CalendarWindow::chooseFromLists()
{
    const QDate first(yearBox->value(), monthList->currentIndex() + 1, 1);
    goTo(first.addDays(std::min(chosenDate().day(), first.daysInMonth()) - 1));
}

void CalendarWindow::showChosenDay()
{
    const QDate date = chosenDate();
    if (!date.isValid())
        return;
    reason->withdraw();  // a move that succeeded, within the month too
    const DayFacts::Facts day = DayFacts::of(date);
    details->setText(
        QStringList{DayFacts::shownDate(date),
                    tr("Market Day: %1").arg(DaySignCatalogue::marketDayInLookupOrder(day.neptu.marketDay)),
                    DayFacts::neptuLine(day), DayFacts::wukuLine(day), DayFacts::javaneseDateLine(day),
                    DayFacts::hijriDateLine(day), DayFacts::mangsaLine(day)}
            .join(QLatin1Char('\n')));
}

void CalendarWindow::followTheClock()
{
    m_model->setMarks(m_services.clock.today(), m_birth, m_afterSunset);
    // Looks again at the next midnight, when today's mark moves on.
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(m_services.clock.msecsSinceEpoch());
    const qint64 toMidnight = now.msecsTo(now.date().addDays(1).startOfDay());
    m_clockTimer->start(int(std::clamp<qint64>(toMidnight, 1, LongestClockWait)));
}

void CalendarWindow::print()
{
    MonthDocument::Notes notes{QString(), details->text()};
    if (m_birth.isValid())
        notes.person = tr("%1, born %2: %3")
                           .arg(m_reading.PersonName, DayFacts::shownDate(m_birth),
                                DayFacts::wetonText(DayFacts::of(AfterSunset::wetonDay(m_birth, m_afterSunset))));
    if (m_afterSunset)
        notes.person += QLatin1Char('\n') + sunsetNote->text();
    QTextDocument document;
    MonthDocument::compose(document, *m_model, notes);
    Printing::print(m_services.printer, m_services.messages, document, platform::PageOrientation::Landscape);
}

void CalendarWindow::exportWetonan()
{
    WetonanExport::run({m_services.messages, m_services.fileDialogs, m_services.clock}, m_reading.PersonName, m_birth,
                       m_afterSunset);
}

void CalendarWindow::keyPressEvent(QKeyEvent *event)
{
    // Esc closes the calendar as it closes the match window.
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    FormWindow::keyPressEvent(event);
}
