// SPDX-License-Identifier: MIT
#pragma once

class CalendarModel;
class QTextDocument;

// The month on show as a printable document: the Gregorian and Javanese titles, then the table as the
// window shows it, with each week's wuku in the first column. It fits one landscape page.
namespace MonthDocument {

void compose(QTextDocument &document, const CalendarModel &model);

}  // namespace MonthDocument
