// SPDX-License-Identifier: MIT
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <optional>

namespace WetonCli {

// Every option the tool knows.
struct Options
{
    QCommandLineOption name{QStringLiteral("name"), QString(), QStringLiteral("NAME")};
    QCommandLineOption afterSunset{QStringLiteral("after-sunset")};
    QCommandLineOption tsv{QStringLiteral("tsv")};
    QCommandLineOption next{QStringLiteral("next"), QString(), QStringLiteral("N")};
    QCommandLineOption from{QStringLiteral("from"), QString(), QStringLiteral("START")};
    QCommandLineOption match{QStringLiteral("match")};
    QCommandLineOption json{QStringLiteral("json")};
    QCommandLineOption ics{QStringLiteral("ics")};
    QCommandLineOption reminder{QStringLiteral("reminder")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};

    [[nodiscard]] QList<QCommandLineOption> all() const
    {
        return {name, afterSunset, tsv, next, from, match, json, ics, reminder, help, version};
    }
};

// Why the options given do not go together, in one line; nothing when they do.
[[nodiscard]] std::optional<QString> problemWithCombination(const QCommandLineParser &parser, const Options &options);

// Why a name cannot head a reading; nothing when it can.
[[nodiscard]] std::optional<QString> problemWithName(const QString &name);

// Why a --next count is not one; nothing when it is.
[[nodiscard]] std::optional<QString> problemWithCount(const QString &text);

}  // namespace WetonCli
