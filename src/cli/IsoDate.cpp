// SPDX-License-Identifier: MIT
#include "IsoDate.h"

#include "weton/Calendar.h"

#include <QCoreApplication>

namespace WetonCli {
namespace {

// Enough of a rejected line to recognise it by, without flooding the error stream.
constexpr qsizetype QuotedLength = 40;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitsValue(QByteArrayView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

bool hasIsoShape(QByteArrayView text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (qsizetype i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!isDigit(text[i]))
            return false;
    return true;
}

}  // namespace

QDate firstReckonedDate() { return QDate(Calendar::FirstWeekdayYear, 1, 1); }

QDate lastReckonedDate() { return QDate(Calendar::LastYear, 12, 31); }

QString quotedForMessage(QByteArrayView text)
{
    QString shown = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size() && i < QuotedLength; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\')
            shown += QLatin1Char(char(byte));
        else
            shown += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    if (text.size() > QuotedLength)
        shown += QStringLiteral("...");
    return shown + QLatin1Char('"');
}

ParsedDate parseIsoDate(QByteArrayView text) noexcept
{
    if (text.isEmpty())
        return {{}, DateProblem::Empty};
    if (!hasIsoShape(text))
        return {{}, DateProblem::NotIsoForm};
    const int year = digitsValue(text, 0, 4), month = digitsValue(text, 5, 2), day = digitsValue(text, 8, 2);
    if (!QDate::isValid(year, month, day))
        return {{}, DateProblem::NotARealDate};
    const QDate date(year, month, day);
    if (date < firstReckonedDate() || date > lastReckonedDate())
        return {{}, DateProblem::OutOfRange};
    return {date, DateProblem::None};
}

ParsedDate parseIsoDate(const QString &text)
{
    // Anything outside ASCII cannot be part of an ISO date; encoding keeps it non-ASCII for the check.
    return parseIsoDate(QByteArrayView(text.toUtf8()));
}

QString describeProblem(QByteArrayView text, DateProblem problem)
{
    switch (problem) {
    case DateProblem::None: return {};
    case DateProblem::Empty: return QCoreApplication::translate("IsoDate", "empty, expected a date as YYYY-MM-DD");
    case DateProblem::NotIsoForm:
        return QCoreApplication::translate("IsoDate", "%1 is not a date as YYYY-MM-DD").arg(quotedForMessage(text));
    case DateProblem::NotARealDate:
        return QCoreApplication::translate("IsoDate", "%1 is not a real date").arg(quotedForMessage(text));
    case DateProblem::OutOfRange:
        return QCoreApplication::translate("IsoDate", "%1 is outside %2 to %3")
            .arg(quotedForMessage(text), firstReckonedDate().toString(Qt::ISODate),
                 lastReckonedDate().toString(Qt::ISODate));
    }
    return {};
}

}  // namespace WetonCli
