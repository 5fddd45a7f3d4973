// SPDX-License-Identifier: MIT
#include "WetonCli.h"

#include "BufferedOutput.h"
#include "DateReading.h"
#include "Identity.h"
#include "IsoDate.h"
#include "JsonMode.h"
#include "MatchMode.h"
#include "NextDates.h"
#include "ReckoningText.h"
#include "TsvMode.h"
#include "UnknownOption.h"
#include "weton/Text.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace WetonCli {
namespace {

constexpr char HelpText[] =
    QT_TRANSLATE_NOOP("WetonCli", "Usage: weton [--name NAME] DATE\n"
                                  "       weton --tsv\n"
                                  "       weton --next N [--from START] DATE\n"
                                  "       weton --match DATE DATE\n"
                                  "       weton --json [DATE...]\n"
                                  "\n"
                                  "Tells the Javanese birth-day sign (weton) of a date from 1901-01-01 to\n"
                                  "2036-12-31. Every date is written YYYY-MM-DD.\n"
                                  "\n"
                                  "  DATE           print the reading of DATE: day sign, weekdays and\n"
                                  "                 description, then its neptu, wuku and date in the Javanese\n"
                                  "                 calendar\n"
                                  "  --name NAME    head the reading with NAME\n"
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
                                  "  -h, --help     show this help\n"
                                  "  -v, --version  show the version\n"
                                  "\n"
                                  "Exit status: 0 done; 1 some input lines were not dates, fewer dates than\n"
                                  "asked for exist, or the output could not be written; 2 bad arguments.\n");

struct Options
{
    QCommandLineOption name{QStringLiteral("name"), QString(), QStringLiteral("NAME")};
    QCommandLineOption tsv{QStringLiteral("tsv")};
    QCommandLineOption next{QStringLiteral("next"), QString(), QStringLiteral("N")};
    QCommandLineOption from{QStringLiteral("from"), QString(), QStringLiteral("START")};
    QCommandLineOption match{QStringLiteral("match")};
    QCommandLineOption json{QStringLiteral("json")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};
};

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

int runReading(const QString &name, QDate date, const Streams &streams)
{
    const std::optional<modJavaneseAstrology::Sign> sign = signOf(date);
    if (!sign)
        return badArguments(streams.err, describeProblem(date.toString(Qt::ISODate).toUtf8(), DateProblem::OutOfRange));
    const QString text =
        reportText(readingOf(name, date), modJavaneseAstrology::ShownResultOf(*sign)) + reckoningText(date);
    return writeOut(streams, text.toUtf8(), Success);
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
    const QString last = lastReckonedDate().toString(Qt::ISODate);
    const QString problem =
        after >= lastReckonedDate()
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

// --match and --json stand alone: no other mode and no --name, --next or --from with them. Gives an empty
// text when the mode is fine, and nothing when neither is set.
std::optional<QString> problemWithNewModes(const QCommandLineParser &parser, const Options &options)
{
    const bool match = parser.isSet(options.match), json = parser.isSet(options.json);
    if (!match && !json)
        return std::nullopt;
    const QString mode = match ? QStringLiteral("--match") : QStringLiteral("--json");
    if ((match && json) || parser.isSet(options.tsv) || parser.isSet(options.next))
        return QCoreApplication::translate("WetonCli",
                                           "--tsv, --json, --match and --next are separate modes; give one");
    if (parser.isSet(options.name) || parser.isSet(options.from))
        return QCoreApplication::translate("WetonCli", "%1 cannot be combined with --name or --from").arg(mode);
    if (match && parser.positionalArguments().size() != 2)
        return QCoreApplication::translate("WetonCli", "--match needs two dates (YYYY-MM-DD), but %1 given")
            .arg(parser.positionalArguments().size());
    return QString();
}

std::optional<QString> problemWithCombination(const QCommandLineParser &parser, const Options &options)
{
    for (const QCommandLineOption *option : {&options.name, &options.next, &options.from})
        if (parser.values(*option).size() > 1)
            return QCoreApplication::translate("WetonCli", "--%1 is given more than once")
                .arg(option->names().constFirst());
    if (const std::optional<QString> problem = problemWithNewModes(parser, options))
        return problem->isEmpty() ? std::nullopt : problem;
    if (parser.isSet(options.tsv)) {
        if (parser.isSet(options.name) || parser.isSet(options.next) || parser.isSet(options.from))
            return QCoreApplication::translate("WetonCli", "--tsv cannot be combined with --name, --next or --from");
        if (!parser.positionalArguments().isEmpty())
            return QCoreApplication::translate("WetonCli", "--tsv takes no date; it reads dates from standard input");
        return std::nullopt;
    }
    if (parser.isSet(options.from) && !parser.isSet(options.next))
        return QCoreApplication::translate("WetonCli", "--from is only used with --next");
    if (parser.isSet(options.name) && parser.isSet(options.next))
        return QCoreApplication::translate("WetonCli", "--name is not used with --next");
    if (parser.positionalArguments().isEmpty())
        return QCoreApplication::translate("WetonCli", "missing date (YYYY-MM-DD); try 'weton --help'");
    if (parser.positionalArguments().size() > 1)
        return QCoreApplication::translate("WetonCli", "one date expected, but %1 arguments given: %2")
            .arg(parser.positionalArguments().size())
            .arg(quotedArgument(parser.positionalArguments().join(QLatin1Char(' '))));
    return std::nullopt;
}

std::optional<QDate> dateArgument(const QString &text, QIODevice &err)
{
    const ParsedDate parsed = parseIsoDate(text);
    if (parsed.problem == DateProblem::None)
        return parsed.date;
    (void)badArguments(err, describeProblem(text.toUtf8(), parsed.problem));
    return std::nullopt;
}

int runNewMode(const QCommandLineParser &parser, const Options &options, const Streams &streams)
{
    if (parser.isSet(options.json) && parser.positionalArguments().isEmpty())
        return runJsonLines(streams.in, streams.out, streams.err);
    QList<QDate> dates;
    for (const QString &text : parser.positionalArguments()) {
        const std::optional<QDate> date = dateArgument(text, streams.err);
        if (!date)
            return BadArguments;
        dates.append(*date);
    }
    if (parser.isSet(options.match))
        return runMatch(dates.at(0), dates.at(1), streams.out, streams.err);
    return runJson(dates, streams.out, streams.err);
}

}  // namespace

int run(const QStringList &arguments, const Streams &streams, QDate today)
{
    Options options;
    const QList<QCommandLineOption> known{options.name,  options.tsv,  options.next, options.from,
                                          options.match, options.json, options.help, options.version};
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
        return runNewMode(parser, options, streams);

    const std::optional<QDate> date = dateArgument(parser.positionalArguments().constFirst(), streams.err);
    if (!date)
        return BadArguments;
    if (parser.isSet(options.next)) {
        std::optional<QDate> after = today;
        if (parser.isSet(options.from) && !(after = dateArgument(parser.value(options.from), streams.err)))
            return BadArguments;
        return runNext(parser.value(options.next), *date, *after, streams);
    }
    const QString name = parser.isSet(options.name) ? Text::trimSpaces(parser.value(options.name)) : QString();
    if (parser.isSet(options.name))
        if (const std::optional<QString> problem = problemWithName(name))
            return badArguments(streams.err, *problem);
    return runReading(name, *date, streams);
}

}  // namespace WetonCli
