// SPDX-License-Identifier: MIT
#pragma once

#include "cli/WetonCli.h"

#include <QBuffer>
#include <QByteArray>
#include <QDate>
#include <QStringList>

// One run of the tool on in-memory streams.
struct CliRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;

    QList<QByteArray> outLines() const
    {
        QList<QByteArray> lines = out.split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }
};

inline CliRun runWeton(const QStringList &arguments, QByteArray input = {}, QDate today = QDate(2024, 1, 1))
{
    QBuffer in(&input), out, err;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    CliRun run;
    run.status = WetonCli::run(arguments, {in, out, err}, today);
    run.out = out.data();
    run.err = err.data();
    return run;
}
