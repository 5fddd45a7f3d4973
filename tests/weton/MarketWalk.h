// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The market day of every day from December 1899 to the end of 2037, counted one day at a time from a
// published date: 17 August 1945, the day of the Proclamation, was Jumat Legi. A count of its own, apart
// from the program's count by Julian Day Numbers.
namespace marketwalk {

inline const QStringList Names = {"Legi", "Pahing", "Pon", "Wage", "Kliwon"};  // as the days follow each other

inline QString marketDayOf(QDate date)
{
    static const QDate first(1899, 12, 1), last(2037, 12, 31), proclamation(1945, 8, 17);
    static const QList<int> walked = [] {
        QList<int> markets(first.daysTo(last) + 1);
        int market = 0;
        for (QDate day = proclamation; day >= first; day = day.addDays(-1), market = (market + 4) % 5)
            markets[first.daysTo(day)] = market;
        market = 0;
        for (QDate day = proclamation; day <= last; day = day.addDays(1), market = (market + 1) % 5)
            markets[first.daysTo(day)] = market;
        return markets;
    }();
    return Names[walked.at(first.daysTo(date))];
}

}  // namespace marketwalk
