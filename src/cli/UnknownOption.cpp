// SPDX-License-Identifier: MIT
#include "UnknownOption.h"

namespace WetonCli {
namespace {

const QCommandLineOption *optionNamed(const QString &name, const QList<QCommandLineOption> &known)
{
    for (const QCommandLineOption &option : known)
        if (option.names().contains(name))
            return &option;
    return nullptr;
}

bool takesValue(const QCommandLineOption *option) { return !option->valueName().isEmpty(); }

// How many of the following arguments an argument of known options takes as its value (0 or 1), or
// nothing when it names an unknown option. "-hv" is -h and -v; in "-xVALUE" or "-x VALUE" the value
// belongs to -x.
std::optional<int> valuesTaken(const QString &argument, const QList<QCommandLineOption> &known)
{
    if (argument.startsWith(QLatin1String("--"))) {
        const QString name = argument.mid(2).section(QLatin1Char('='), 0, 0);
        const QCommandLineOption *option = optionNamed(name, known);
        if (!option)
            return std::nullopt;
        return takesValue(option) && !argument.contains(QLatin1Char('=')) ? 1 : 0;
    }
    for (qsizetype i = 1; i < argument.size(); ++i) {
        const QCommandLineOption *option = optionNamed(argument.at(i), known);
        if (!option)
            return std::nullopt;
        if (takesValue(option))
            return i + 1 == argument.size() ? 1 : 0;
    }
    return 0;
}

}  // namespace

std::optional<QString> firstUnknownOption(const QStringList &arguments, const QList<QCommandLineOption> &known)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (argument.size() < 2 || !argument.startsWith(QLatin1Char('-')))
            continue;
        const std::optional<int> values = valuesTaken(argument, known);
        if (!values)
            return argument;
        i += *values;
    }
    return std::nullopt;
}

}  // namespace WetonCli
