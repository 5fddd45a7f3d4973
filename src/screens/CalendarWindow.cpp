// SPDX-License-Identifier: MIT
#include "CalendarWindow.h"

#include "CalendarDelegate.h"
#include "CalendarModel.h"
#include "CalendarView.h"
#include "Controls.h"
#include "Identity.h"
#include "MonthDocument.h"
#include "Printing.h"
#include "WindowSet.h"
#include "weton/DaySignCatalogue.h"
#include "weton/InterfaceLanguage.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel *legend(const QString &text, const QColor &ground, const QColor &frame)
{
    auto *label = new QLabel(text);
    label->setContentsMargins(6, 2, 6, 2);
    Controls::setBackground(label, ground);
    Controls::setTextColour(label, Look::Black);
    if (frame.isValid()) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(2);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, frame);
        label->setPalette(palette);
    }
    return label;
}

}  // namespace

CalendarWindow::CalendarWindow(WindowSet &set) : m_set(set), m_model(new CalendarModel(this))
{
    setObjectName(QStringLiteral("CalendarWindow"));
    setWindowRole(objectName());
    setWindowIcon(Look::programIcon());
    setFont(Look::verdana(8.25));
    Controls::setBackground(this, Look::PaleYellow);
    auto *layout = new QVBoxLayout(this);
    buildNavigation(layout);
    title = Controls::label(this, "title", QString(), {}, {Look::verdana(14, Look::Bold), Look::DarkGreen});
    javaneseTitle = Controls::label(this, "javaneseTitle", QString(), {}, {Look::verdana(10), Look::DarkGreen});
    layout->addWidget(title);
    layout->addWidget(javaneseTitle);
    grid = new CalendarView(m_model, this);
    grid->setFont(Look::verdana(9));
    Controls::setInputColours(grid, Look::Black, Look::White);
    grid->setMinimumSize(grid->itemDelegate()->sizeHint(QStyleOptionViewItem(), {}).width() * 8,
                         grid->itemDelegate()->sizeHint(QStyleOptionViewItem(), {}).height() * 7);
    layout->addWidget(grid, 1);
    reason = Controls::label(this, "reason", QString(), {}, {Look::verdana(8.25, Look::Bold), Look::DarkRed});
    layout->addWidget(reason);
    buildDetails(layout);
    buildButtons(layout);
    connect(grid, &CalendarView::leavingMonth, this, &CalendarWindow::goTo);
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &CalendarWindow::showChosenDay);
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
    yearBox->setRange(MonthSheet::firstDay().year(), MonthSheet::lastDay().year());
    for (QWidget *chooser : {static_cast<QWidget *>(monthList), static_cast<QWidget *>(yearBox)})
        Controls::setInputColours(chooser, Look::Black, Look::White);
    connect(monthList, &QComboBox::activated, this, &CalendarWindow::chooseFromLists);
    connect(yearBox, &QSpinBox::valueChanged, this, &CalendarWindow::chooseFromLists);
    todayButton = new QPushButton(tr("&Today"), this);
    todayButton->setObjectName(QStringLiteral("todayButton"));
    connect(todayButton, &QPushButton::clicked, this, [this] { goTo(m_set.platform().clock.today()); });
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
    row->addWidget(details, 1);
    auto *legends = new QVBoxLayout;
    legends->addWidget(legend(tr("Today"), Look::PaleYellow, CalendarDelegate::TodayFrame));
    m_legendBirth = new QWidget(this);
    auto *birthLegends = new QVBoxLayout(m_legendBirth);
    birthLegends->setContentsMargins(0, 0, 0, 0);
    birthLegends->addWidget(legend(tr("Date of Birth"), CalendarDelegate::BirthGround, QColor()));
    birthLegends->addWidget(
        legend(tr("Wetonan: the same weton, every 35 days"), CalendarDelegate::WetonanGround, QColor()));
    legends->addWidget(m_legendBirth);
    legends->addStretch(1);
    row->addLayout(legends);
    layout->addLayout(row);
}

void CalendarWindow::buildButtons(QBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
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

void CalendarWindow::showFor(QDate birth)
{
    setBirth(birth);
    const QDate today = m_set.platform().clock.today();
    const QDate wanted = birth.isValid() ? birth : today;
    // A clock outside the calendar's years still opens it, at the nearest month it covers.
    if (!goTo(wanted))
        goTo(wanted < MonthSheet::firstDay() ? MonthSheet::firstDay() : MonthSheet::lastDay());
    show();
    raise();
    activateWindow();
    grid->setFocus();
}

void CalendarWindow::setBirth(QDate birth)
{
    m_birth = MonthSheet::covers(birth) ? birth : QDate();
    m_legendBirth->setVisible(m_birth.isValid());
    m_model->setMarks(m_set.platform().clock.today(), m_birth);
}

QDate CalendarWindow::chosenDate() const { return m_model->dateAt(grid->currentIndex()); }

bool CalendarWindow::goTo(QDate date)
{
    if (!MonthSheet::covers(date)) {
        reason->setText(tr("The calendar covers %1 to %2.")
                            .arg(MonthSheet(MonthSheet::firstDay().year(), 1).title(),
                                 MonthSheet(MonthSheet::lastDay().year(), 12).title()));
        return false;
    }
    reason->clear();
    const MonthSheet &shown = m_model->sheet();
    if (shown.year() != date.year() || shown.month() != date.month()) {
        m_model->setMonth(date.year(), date.month());
        m_model->setMarks(m_set.platform().clock.today(), m_birth);
        title->setText(m_model->sheet().title());
        // The title bar and the task bar name the month on show.
        setWindowTitle(tr("%1 – Javanese Calendar – %2").arg(title->text(), Identity::ApplicationTitle));
        javaneseTitle->setText(m_model->sheet().javaneseTitle());
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
    const DayFacts::Facts day = DayFacts::of(date);
    details->setText(
        QStringList{DayFacts::shownDate(date),
                    tr("Market Day: %1").arg(DaySignCatalogue::marketDayInLookupOrder(day.neptu.marketDay)),
                    DayFacts::neptuLine(day), DayFacts::wukuLine(day), DayFacts::javaneseDateLine(day)}
            .join(QLatin1Char('\n')));
}

void CalendarWindow::print()
{
    QTextDocument document;
    MonthDocument::compose(document, *m_model);
    Printing::print(m_set, document, platform::PageOrientation::Landscape);
}

void CalendarWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closing)
        return;
    m_closing = true;
    emit closed();
}
