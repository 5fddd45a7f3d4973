// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class CalendarModel;
class QTextDocument;

// The month on show as a printable document: the Gregorian, Javanese and Hijri titles, the person whose reading
// it marks, then the table as the window shows it, with each week's wuku in the first column and the
// days marked as on screen, then the chosen day's details beside the legend of the marks. It fits one
// landscape page.
namespace MonthDocument {

struct Notes
{
    QString person;     // the reading's name, date of birth and weton; empty without a reading
    QString chosenDay;  // the chosen day's details, a line each
};

void compose(QTextDocument &document, const CalendarModel &model, const Notes &notes);

}  // namespace MonthDocument
