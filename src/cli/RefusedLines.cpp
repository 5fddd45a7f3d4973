// SPDX-License-Identifier: MIT
#include "RefusedLines.h"

#include <QCoreApplication>

namespace WetonCli {

void RefusedLines::list(qint64 lineNumber, const QString &problem)
{
    err.write(QCoreApplication::translate("WetonCli", "weton: line %1: %2\n").arg(lineNumber).arg(problem).toUtf8());
}

void RefusedLines::finish()
{
    if (count > MaxListed)
        err.write(QCoreApplication::translate("WetonCli",
                                              "weton: %1 lines were not dates; only the first %2 are listed above\n")
                      .arg(count)
                      .arg(MaxListed)
                      .toUtf8());
}

}  // namespace WetonCli
