// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>

namespace WetonCli {

enum class DateProblem { None, Empty, NotIsoForm, NotARealDate, OutOfRange };

struct ParsedDate
{
    QDate date;  // valid only when problem is None
    DateProblem problem = DateProblem::NotIsoForm;
};

// Exactly YYYY-MM-DD, four, two and two ASCII digits, a real Gregorian date among the covered days
// (CoveredDays); the tool reckons nothing outside them.
[[nodiscard]] ParsedDate parseIsoDate(QByteArrayView text) noexcept;
[[nodiscard]] ParsedDate parseIsoDate(const QString &text);

// The text in double quotes for a message, cut short after a few dozen bytes: characters as they are,
// UTF-8 ones included; controls, invisible characters, quotes, backslashes and bytes that belong to no
// UTF-8 character escaped as \xHH, byte by byte.
[[nodiscard]] QString quotedForMessage(QByteArrayView text);

// One sentence saying what is wrong with the text, quoted as above so that a line of binary input
// cannot disturb the terminal.
[[nodiscard]] QString describeProblem(QByteArrayView text, DateProblem problem);

}  // namespace WetonCli
