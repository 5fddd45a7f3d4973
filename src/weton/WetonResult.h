// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The four texts of a reading, in the order of the result window's labels 0 to 3.
struct WetonResult
{
    QString MarketDay;
    QString IndonesianWeekday;
    QString EnglishWeekday;
    QString Description;

    friend bool operator==(const WetonResult &, const WetonResult &) = default;
};
