// SPDX-License-Identifier: MIT
#include "WetonCli.h"

#include "BufferedOutput.h"
#include "CliOptions.h"
#include "DateReading.h"
#include "IcsMode.h"
#include "Identity.h"
#include "IsoDate.h"
#include "JsonMode.h"
#include "MatchMode.h"
#include "NextDates.h"
#include "ReckoningText.h"
#include "SunsetMarks.h"
#include "TsvMode.h"
#include "UnknownOption.h"
#include "weton/AfterSunset.h"
#include "weton/CoveredDays.h"
#include "weton/Text.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace WetonCli {
namespace {

constexpr char HelpText[] =
    QT_TRANSLATE_NOOP("WetonCli", "Usage: weton [--name NAME] [--after-sunset] DATE\n"
                                  "       weton --tsv\n"
                                  "       weton --next N [--from START] [--after-sunset] DATE\n"
                                  "       weton --match [--after-sunset] DATE [--after-sunset] DATE\n"
                                  "       weton --json [--after-sunset] [DATE...]\n"
                                  "       weton --ics [--name NAME] [--after-sunset] [--reminder] DATE\n"
                                  "\n"
                                  "Tells the Javanese birth-day sign (weton) of a date from 1901-01-01 to\n"
                                  "2036-12-31. Every date is written YYYY-MM-DD.\n"
                                  "\n"
                                  "  DATE           print the reading of DATE: day sign, weekdays and\n"
                                  "                 description, then its neptu, wuku, Javanese date, Hijri\n"
                                  "                 date (arithmetical calendar) and pranata mangsa season\n"
                                  "  --name NAME    head the reading, or the --ics event, with NAME\n"
                                  "  --after-sunset born after sunset, when the Javanese day had already\n"
                                  "                 turned: the weton and the facts are the next day's; with\n"
                                  "                 --match and --json it is for the DATE that follows it,\n"
                                  "                 with --json alone for every date read\n"
                                  "  --tsv          read dates from standard input, one per line, and write for\n"
                                  "                 each DATE, market day, Indonesian weekday, English weekday\n"
                                  "                 and description, separated by tabs, as the same English\n"
                                  "                 data in every language; lines that are not dates are\n"
                                  "                 reported on standard error and skipped\n"
                                  "  --next N       list the next N dates after today that share DATE's weton\n"
                                  "                 (it returns every 35 days), up to 2036-12-31\n"
                                  "  --from START   with --next, list the dates after START instead of today\n"
                                  "  --match        print the wetons of two dates, the sum of their neptu and\n"
                                  "                 the match that the remainder of the sum divided by 9 gives\n"
                                  "  --json         write every fact of each DATE as one JSON object per line;\n"
                                  "                 with no DATE, read dates from standard input as --tsv does\n"
                                  "  --ics          write DATE's wetonan, the day its weton comes back every\n"
                                  "                 35 days, to standard output as an iCalendar file for a\n"
                                  "                 calendar program: weton --ics DATE > wetonan.ics\n"
                                  "  --reminder     with --ics, remind at 6 pm on the evening before each one\n"
                                  "  -h, --help     show this help\n"
                                  "  -v, --version  show the version\n"
                                  "\n"
                                  "Exit status: 0 done; 1 some input lines were not dates, fewer dates than\n"
                                  "asked for exist, or the output could not be written; 2 bad arguments.\n");

int badArguments(QIODevice &err, const QString &problem)
{
    err.write("weton: " + problem.toUtf8() + '\n');
    return BadArguments;
}

int writeOut(const Streams &streams, const QByteArray &bytes, int status)
{
    BufferedOutput output(streams.out);
    output.append(bytes);
    if (output.flush())
        return status;
    streams.err.write(output.failureMessage());
    return Incomplete;
}

QString quotedArgument(const QString &text) { return quotedForMessage(text.toUtf8()); }

int runReading(const QString &name, Birth birth, const Streams &streams)
{
    CurrentReading reading = readingOf(name, birth.date);
    reading.BornAfterSunset = birth.afterSunset;
    const std::optional<WetonResult> result = AfterSunset::shownResult(reading);
    if (!result)
        return badArguments(streams.err,
                            describeProblem(birth.date.toString(Qt::ISODate).toUtf8(), DateProblem::OutOfRange));
    const QString text =
        reportText(reading, *result) + reckoningText(AfterSunset::wetonDay(birth.date, birth.afterSunset));
    return writeOut(streams, text.toUtf8(), Success);
}

int runNext(const QString &countText, QDate signDate, QDate after, const Streams &streams)
{
    if (const std::optional<QString> problem = problemWithCount(countText))
        return badArguments(streams.err, *problem);
    const int count = countText.toInt();
    const QList<QDate> dates = datesSharingWeton(signDate, after, count);
    QByteArray text;
    for (const QDate &date : dates)
        text += date.toString(Qt::ISODate).toLatin1() + '\n';
    if (dates.size() == count)
        return writeOut(streams, text, Success);
    const int status = writeOut(streams, text, Incomplete);
    const QString last = CoveredDays::last().toString(Qt::ISODate);
    const QString problem =
        after >= CoveredDays::last()
            ? QCoreApplication::translate("WetonCli",
                                          "no dates after %1 can be listed: %2 is the last date weton reckons")
                  .arg(after.toString(Qt::ISODate), last)
            : QCoreApplication::translate(
                  "WetonCli",
                  "only %1 of the %2 dates asked for fall after %3 and up to %4, the last date weton reckons")
                  .arg(dates.size())
                  .arg(count)
                  .arg(after.toString(Qt::ISODate), last);
    streams.err.write("weton: " + problem.toUtf8() + '\n');
    return status;
}

std::optional<QDate> dateArgument(const QString &text, QIODevice &err)
{
    const ParsedDate parsed = parseIsoDate(text);
    if (parsed.problem == DateProblem::None)
        return parsed.date;
    (void)badArguments(err, describeProblem(text.toUtf8(), parsed.problem));
    return std::nullopt;
}

// --match and --json: each date with its own --after-sunset.
int runManyDates(const QStringList &arguments, const QCommandLineParser &parser, const Options &options,
                 const Streams &streams)
{
    const bool afterSunset = parser.isSet(options.afterSunset);
    if (parser.isSet(options.json) && parser.positionalArguments().isEmpty())
        return runJsonLines(streams.in, streams.out, streams.err, afterSunset);
    const SunsetMarks marks = sunsetMarks(arguments);
    if (marks.problem)
        return badArguments(streams.err, *marks.problem);
    QList<Birth> births;
    for (const QString &text : parser.positionalArguments()) {
        const std::optional<QDate> date = dateArgument(text, streams.err);
        if (!date)
            return BadArguments;
        births.append({*date, marks.afterSunset.value(births.size())});
    }
    if (parser.isSet(options.match))
        return runMatch(births.at(0), births.at(1), streams.out, streams.err);
    return runJson(births, streams.out, streams.err);
}

// The reading, --next and --ics: one date, and --after-sunset anywhere.
int runOneDate(const QCommandLineParser &parser, const Options &options, const Streams &streams, QDate today)
{
    const std::optional<QDate> date = dateArgument(parser.positionalArguments().constFirst(), streams.err);
    if (!date)
        return BadArguments;
    const Birth birth{*date, parser.isSet(options.afterSunset)};
    if (parser.isSet(options.next)) {
        std::optional<QDate> after = today;
        if (parser.isSet(options.from) && !(after = dateArgument(parser.value(options.from), streams.err)))
            return BadArguments;
        return runNext(parser.value(options.next), AfterSunset::wetonDay(birth.date, birth.afterSunset), *after,
                       streams);
    }
    const QString name = parser.isSet(options.name) ? Text::trimSpaces(parser.value(options.name)) : QString();
    if (parser.isSet(options.name))
        if (const std::optional<QString> problem = problemWithName(name))
            return badArguments(streams.err, *problem);
    if (parser.isSet(options.ics))
        return runIcs(name, birth, parser.isSet(options.reminder), QDateTime::currentDateTimeUtc(), streams.out,
                      streams.err);
    return runReading(name, birth, streams);
}

}  // namespace

int run(const QStringList &arguments, const Streams &streams, QDate today)
{
    const Options options;
    const QList<QCommandLineOption> known = options.all();
    QCommandLineParser parser;
    parser.addOptions(known);
    if (!parser.parse(QStringList{QStringLiteral("weton")} + arguments)) {
        if (const std::optional<QString> unknown = firstUnknownOption(arguments, known))
            return badArguments(streams.err,
                                QCoreApplication::translate("WetonCli", "unknown option %1; try 'weton --help'")
                                    .arg(quotedArgument(*unknown)));
        return badArguments(streams.err,
                            parser.errorText() + QCoreApplication::translate("WetonCli", " Try 'weton --help'."));
    }
    if (parser.isSet(options.help))
        return writeOut(streams, QCoreApplication::translate("WetonCli", HelpText).toUtf8(), Success);
    if (parser.isSet(options.version))
        return writeOut(streams, QByteArrayLiteral("weton " WETONARA_VERSION_AND_DATE "\n"), Success);
    if (const std::optional<QString> problem = problemWithCombination(parser, options))
        return badArguments(streams.err, *problem);
    if (parser.isSet(options.tsv))
        return runTsv(streams.in, streams.out, streams.err);
    if (parser.isSet(options.json) || parser.isSet(options.match))
        return runManyDates(arguments, parser, options, streams);
    return runOneDate(parser, options, streams, today);
}

}  // namespace WetonCli
