// SPDX-License-Identifier: MIT
#include "MatchWindow.h"

#include "Identity.h"
#include "platform/Platform.h"
#include "ui/kit/Controls.h"
#include "ui/kit/DateBox.h"
#include "ui/kit/FocusMark.h"
#include "weton/AfterSunset.h"
#include "weton/CoveredDays.h"
#include "weton/DayFacts.h"
#include "weton/WetonMatch.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace {

// The meaning wraps at the window's width, and scrolls when the window is made smaller than it needs.
QScrollArea *meaningArea(QLabel *meaning)
{
    auto *area = new QScrollArea;
    area->setObjectName(QStringLiteral("meaningArea"));
    area->setAccessibleName(MatchWindow::tr("Meaning"));
    FocusMark::install(area);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setWidget(meaning);
    for (QWidget *ground : {static_cast<QWidget *>(area), area->viewport(), static_cast<QWidget *>(meaning)})
        ground->setAutoFillBackground(false);
    return area;
}

}  // namespace

MatchWindow::MatchWindow(const platform::Clock &clock)
    : FormDialog(tr("Match Two Wetons – %1").arg(Identity::ApplicationTitle), Look::PaleYellow)
{
    setObjectName(QStringLiteral("MatchWindow"));
    // A clock outside the reckoned years still opens the window, at the nearest day it covers.
    const QDate start = CoveredDays::nearest(clock.today());
    firstDate = new DateBox("firstDate", start, this);
    secondDate = new DateBox("secondDate", start, this);
    const Controls::Text caption{Look::verdana(8.25, Look::Bold), Look::DarkGreen};
    const Controls::Text value{Look::verdana(9), Look::DarkGreen, Qt::AlignLeft | Qt::AlignVCenter, false};
    QLabel *firstCaption = Controls::label(this, "firstCaption", tr("&First Date of Birth:"), {}, caption);
    QLabel *secondCaption = Controls::label(this, "secondCaption", tr("&Second Date of Birth:"), {}, caption);
    firstWeton = Controls::label(this, "firstWeton", QString(), {}, value);
    secondWeton = Controls::label(this, "secondWeton", QString(), {}, value);
    rule = Controls::label(this, "rule", QString(), {}, value);
    firstNote = Controls::label(this, "firstNote", QString(), {},
                                {Look::verdana(8.25), Look::DarkGreen, Qt::AlignLeft | Qt::AlignTop, true});
    firstNote->hide();
    matchName = Controls::label(this, "matchName", QString(), {}, {Look::verdana(12, Look::Bold), Look::DarkGreen});
    meaning = Controls::label(nullptr, "meaning", QString(), {},
                              {Look::verdana(9), Look::DarkGreen, Qt::AlignLeft | Qt::AlignTop, true});
    // Each date box is named by its caption and described by its weton; both decide the reckoning below.
    firstCaption->setBuddy(firstDate);
    secondCaption->setBuddy(secondDate);
    firstWeton->setBuddy(firstDate);
    secondWeton->setBuddy(secondDate);
    firstDate->setControlled({firstWeton, rule, matchName, meaning});
    secondDate->setControlled({secondWeton, rule, matchName, meaning});
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Return in a date box must not close the window: no button is pressed by Return here.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));  // an access key, as the calendar's
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QGridLayout(this);
    layout->addWidget(firstCaption, 0, 0);
    layout->addWidget(firstDate, 0, 1);
    layout->addWidget(firstWeton, 0, 2);
    layout->addWidget(secondCaption, 1, 0);
    layout->addWidget(secondDate, 1, 1);
    layout->addWidget(secondWeton, 1, 2);
    layout->addWidget(firstNote, 2, 0, 1, 3);
    layout->addWidget(rule, 3, 0, 1, 3);
    layout->addWidget(matchName, 4, 0, 1, 3);
    layout->addWidget(meaningArea(meaning), 5, 0, 1, 3);
    layout->addWidget(buttons, 6, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(5, 1);
    for (DateBox *box : {firstDate, secondDate})
        connect(box, &QDateEdit::dateChanged, this, &MatchWindow::showMatch);
    connect(firstDate, &QDateEdit::dateChanged, this, [this] {
        m_firstChosen = !m_followingReading;
        if (m_firstChosen)
            firstNote->hide();  // the date is the user's now, no longer the reading's
    });
    showMatch();
}

void MatchWindow::showFor(QDate birth, bool afterSunset)
{
    setBirth(birth, afterSunset);
    showInFront();
}

void MatchWindow::setBirth(QDate birth, bool afterSunset)
{
    // The first date follows each new reading, unless the user has chosen one.
    const QDate wetonDay = AfterSunset::wetonDay(birth, afterSunset);
    if (m_firstChosen || !CoveredDays::contains(wetonDay))
        return;
    m_followingReading = true;
    firstDate->setDate(wetonDay);
    m_followingReading = false;
    firstNote->setText(afterSunset ? AfterSunset::line(birth) : QString());
    firstNote->setVisible(afterSunset);
}

void MatchWindow::showMatch()
{
    const DayFacts::Facts first = DayFacts::of(firstDate->date()), second = DayFacts::of(secondDate->date());
    firstWeton->setText(DayFacts::wetonText(first));
    secondWeton->setText(DayFacts::wetonText(second));
    const WetonMatch::Match match = WetonMatch::of(first.neptu.total(), second.neptu.total());
    rule->setText(WetonMatch::ruleLine(match));
    matchName->setText(tr("Match: %1").arg(match.name));
    meaning->setText(WetonMatch::meaning(match.name));
}
