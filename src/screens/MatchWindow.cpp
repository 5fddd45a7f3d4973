// SPDX-License-Identifier: MIT
#include "MatchWindow.h"

#include "Controls.h"
#include "Identity.h"
#include "WindowSet.h"
#include "weton/DaySignCatalogue.h"
#include "weton/InterfaceLanguage.h"
#include "weton/MonthSheet.h"
#include "weton/Neptu.h"
#include "weton/WetonMatch.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QString wetonText(QDate date)
{
    const Neptu::DayNeptu neptu = Neptu::ofDate(date);
    return MatchWindow::tr("%1 %2, neptu %3")
        .arg(DaySignCatalogue::shownIndonesianWeekday(neptu.weekday),
             DaySignCatalogue::marketDayInLookupOrder(neptu.marketDay))
        .arg(neptu.total());
}

}  // namespace

MatchWindow::MatchWindow(WindowSet &set) : m_set(set)
{
    setObjectName(QStringLiteral("MatchWindow"));
    setWindowRole(objectName());
    setWindowTitle(tr("Match Two Wetons – %1").arg(Identity::ApplicationTitle));
    setWindowIcon(Look::programIcon());
    setFont(Look::verdana(8.25));
    Controls::setBackground(this, Look::PaleYellow);
    const QDate today = set.platform().clock.today();
    const QDate start = MonthSheet::covers(today) ? today : MonthSheet::lastDay();
    firstDate = dateBox("firstDate", start);
    secondDate = dateBox("secondDate", start);
    const Controls::Text caption{Look::verdana(8.25, Look::Bold), Look::DarkGreen};
    const Controls::Text value{Look::verdana(9), Look::DarkGreen, Qt::AlignLeft | Qt::AlignVCenter, true};
    QLabel *firstCaption = Controls::label(this, "firstCaption", tr("&First Date of Birth:"), {}, caption);
    QLabel *secondCaption = Controls::label(this, "secondCaption", tr("&Second Date of Birth:"), {}, caption);
    firstCaption->setBuddy(firstDate);
    secondCaption->setBuddy(secondDate);
    firstWeton = Controls::label(this, "firstWeton", QString(), {}, value);
    secondWeton = Controls::label(this, "secondWeton", QString(), {}, value);
    rule = Controls::label(this, "rule", QString(), {}, value);
    matchName = Controls::label(this, "matchName", QString(), {}, {Look::verdana(12, Look::Bold), Look::DarkGreen});
    meaning = Controls::label(this, "meaning", QString(), {},
                              {Look::verdana(9), Look::DarkGreen, Qt::AlignLeft | Qt::AlignTop, true});
    meaning->setMinimumWidth(Look::px(7200));
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
    layout->addWidget(rule, 2, 0, 1, 3);
    layout->addWidget(matchName, 3, 0, 1, 3);
    layout->addWidget(meaning, 4, 0, 1, 3);
    layout->addWidget(buttons, 5, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    connect(this, &QDialog::finished, this, &MatchWindow::closed);
    showMatch();
}

QDateEdit *MatchWindow::dateBox(const char *name, QDate date)
{
    auto *box = new QDateEdit(date, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setDateRange(MonthSheet::firstDay(), MonthSheet::lastDay());
    // Month names in the interface's language, whatever the desktop's locale says.
    box->setLocale(QLocale(InterfaceLanguage::current()));
    box->setDisplayFormat(QStringLiteral("d MMMM yyyy"));
    box->setCalendarPopup(true);
    Controls::setInputColours(box, Look::Black, Look::White);
    connect(box, &QDateEdit::dateChanged, this, &MatchWindow::showMatch);
    return box;
}

void MatchWindow::showFor(QDate birth)
{
    if (MonthSheet::covers(birth))
        firstDate->setDate(birth);
    show();
    raise();
    activateWindow();
}

void MatchWindow::showMatch()
{
    const QDate first = firstDate->date(), second = secondDate->date();
    firstWeton->setText(wetonText(first));
    secondWeton->setText(wetonText(second));
    const WetonMatch::Match match = WetonMatch::of(Neptu::ofDate(first).total(), Neptu::ofDate(second).total());
    rule->setText(WetonMatch::ruleLine(match.sum));
    matchName->setText(tr("Match: %1").arg(match.name));
    meaning->setText(WetonMatch::meaning(match.name));
}
