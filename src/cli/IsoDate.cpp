// SPDX-License-Identifier: MIT
#include "IsoDate.h"

#include "files/FileNames.h"
#include "weton/CoveredDays.h"

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

// A character a terminal shows as itself: not a control, not an invisible format character such as a
// change of writing direction, not a line break of its own, and not a quote or backslash of ours.
bool showsAsItself(char32_t code)
{
    const QChar::Category category = QChar::category(code);
    return QChar::isPrint(code) && category != QChar::Separator_Line && category != QChar::Separator_Paragraph
           && code != U'"' && code != U'\\';
}

}  // namespace

QString quotedForMessage(QByteArrayView text)
{
    // Read as file names are read, so that a byte outside any UTF-8 character stays a byte to escape.
    const QString characters = FileNames::decode(text);
    QString shown = QStringLiteral("\"");
    qsizetype used = 0;
    for (qsizetype i = 0; i < characters.size() && used < QuotedLength;) {
        const bool pair =
            characters[i].isHighSurrogate() && i + 1 < characters.size() && characters[i + 1].isLowSurrogate();
        const QStringView character = QStringView(characters).sliced(i, pair ? 2 : 1);
        i += character.size();
        const QByteArray bytes = FileNames::encode(character);
        used += bytes.size();
        const char32_t code = pair ? QChar::surrogateToUcs4(character[0], character[1]) : character[0].unicode();
        if (showsAsItself(code)) {
            shown += character;
            continue;
        }
        for (const char byte : bytes)
            shown += QStringLiteral("\\x%1").arg(uchar(byte), 2, 16, QLatin1Char('0'));
    }
    if (used < text.size())
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
    if (!CoveredDays::contains(date))
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
            .arg(quotedForMessage(text), CoveredDays::first().toString(Qt::ISODate),
                 CoveredDays::last().toString(Qt::ISODate));
    }
    return {};
}

}  // namespace WetonCli
