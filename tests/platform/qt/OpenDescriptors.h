// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QStringList>

// The descriptors this process holds, by number: what a piece of code left open or closed shows as a
// difference between two calls.
inline QStringList openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
}
