// SPDX-License-Identifier: MIT
#include "CliOptions.h"

#include "IsoDate.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace WetonCli {
namespace {

QString quotedArgument(const QString &text) { return quotedForMessage(text.toUtf8()); }

QString fromOnlyWithNext() { return QCoreApplication::translate("WetonCli", "--from is only used with --next"); }

// The modes that take one date: a reading, --next and --ics.
std::optional<QString> problemWithOneDate(const QCommandLineParser &parser, const QString &missing)
{
    const QStringList dates = parser.positionalArguments();
    if (dates.isEmpty())
        return missing;
    if (dates.size() > 1)
        return QCoreApplication::translate("WetonCli", "one date expected, but %1 arguments given: %2")
            .arg(dates.size())
            .arg(quotedArgument(dates.join(QLatin1Char(' '))));
    return std::nullopt;
}

// --match, --json and --ics stand alone: no other mode with them, and no --name, --next or --from with
// --match and --json.
std::optional<QString> problemWithNewModes(const QCommandLineParser &parser, const Options &options)
{
    const bool match = parser.isSet(options.match), json = parser.isSet(options.json), ics = parser.isSet(options.ics);
    if (int(match) + int(json) + int(ics) > 1 || parser.isSet(options.tsv) || parser.isSet(options.next))
        return QCoreApplication::translate("WetonCli",
                                           "--tsv, --json, --match, --next and --ics are separate modes; give one");
    if (ics) {
        if (parser.isSet(options.from))
            return fromOnlyWithNext();
        return problemWithOneDate(
            parser,
            QCoreApplication::translate("WetonCli", "--ics needs a date of birth (YYYY-MM-DD); try 'weton --help'"));
    }
    const QString mode = match ? QStringLiteral("--match") : QStringLiteral("--json");
    if (parser.isSet(options.name) || parser.isSet(options.from))
        return QCoreApplication::translate("WetonCli", "%1 cannot be combined with --name or --from").arg(mode);
    if (match && parser.positionalArguments().size() != 2)
        return QCoreApplication::translate("WetonCli", "--match needs two dates (YYYY-MM-DD), but %1 given")
            .arg(parser.positionalArguments().size());
    return std::nullopt;
}

}  // namespace

std::optional<QString> problemWithCombination(const QCommandLineParser &parser, const Options &options)
{
    for (const QCommandLineOption *option : {&options.name, &options.next, &options.from})
        if (parser.values(*option).size() > 1)
            return QCoreApplication::translate("WetonCli", "--%1 is given more than once")
                .arg(option->names().constFirst());
    if (parser.isSet(options.reminder) && !parser.isSet(options.ics))
        return QCoreApplication::translate("WetonCli", "--reminder is only used with --ics");
    // --tsv's lines stay exactly as they are; the facts of a birth after sunset are --json's.
    if (parser.isSet(options.afterSunset) && parser.isSet(options.tsv))
        return QCoreApplication::translate("WetonCli", "--after-sunset is not used with --tsv; use --json instead");
    if (parser.isSet(options.match) || parser.isSet(options.json) || parser.isSet(options.ics))
        return problemWithNewModes(parser, options);
    if (parser.isSet(options.tsv)) {
        if (parser.isSet(options.name) || parser.isSet(options.next) || parser.isSet(options.from))
            return QCoreApplication::translate("WetonCli", "--tsv cannot be combined with --name, --next or --from");
        if (!parser.positionalArguments().isEmpty())
            return QCoreApplication::translate("WetonCli", "--tsv takes no date; it reads dates from standard input");
        return std::nullopt;
    }
    if (parser.isSet(options.from) && !parser.isSet(options.next))
        return fromOnlyWithNext();
    if (parser.isSet(options.name) && parser.isSet(options.next))
        return QCoreApplication::translate("WetonCli", "--name is not used with --next");
    return problemWithOneDate(parser,
                              QCoreApplication::translate("WetonCli", "missing date (YYYY-MM-DD); try 'weton --help'"));
}

// A name goes on a line of its own: it must say something and must not break that line.
std::optional<QString> problemWithName(const QString &name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("WetonCli", "--name needs a name that is not blank");
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return QCoreApplication::translate("WetonCli",
                                               "--name must not contain line breaks or other control characters");
    return std::nullopt;
}

// A whole number, however long, that is below 1 or too large is out of range; anything else (letters,
// fractions, digits of other scripts) is not a count at all.
std::optional<QString> problemWithCount(const QString &text)
{
    const bool hasSign = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'));
    const QStringView digits = QStringView(text).mid(hasSign ? 1 : 0);
    const bool isWholeNumber = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    const QString range = QCoreApplication::translate("WetonCli", "from 1 to %1").arg(std::numeric_limits<int>::max());
    if (!isWholeNumber)
        return QCoreApplication::translate("WetonCli", "--next needs a whole number %1, not %2")
            .arg(range, quotedArgument(text));
    bool fits = false;
    if (text.toInt(&fits) < 1 || !fits)
        return QCoreApplication::translate("WetonCli", "--next %1 is out of range: the count must be %2")
            .arg(quotedArgument(text), range);
    return std::nullopt;
}

}  // namespace WetonCli
