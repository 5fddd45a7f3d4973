// SPDX-License-Identifier: MIT
#pragma once

#include "DayFacts.h"

#include <QString>
#include <optional>
#include <vector>

// A Gregorian month laid out as a Javanese almanac shows it: one row per week from Sunday to Saturday,
// which is also one wuku, each day of the month with its facts. Cells before the first and after the last
// day of the month are empty.
class MonthSheet
{
public:
    static constexpr int Columns = 7;
    static constexpr int MostRows = 6;  // a month that begins on a Friday (31 days) or a Saturday

    struct Cell
    {
        int row = 0;
        int column = 0;
    };

    // Month 1..12; a month outside the covered days (CoveredDays) gives an empty sheet (no rows).
    MonthSheet(int year, int month);

    [[nodiscard]] int year() const { return m_year; }
    [[nodiscard]] int month() const { return m_month; }
    [[nodiscard]] int rows() const { return m_rows; }

    // The day in a cell, or nullptr for an empty cell or one outside the sheet.
    [[nodiscard]] const DayFacts::Facts *dayAt(int row, int column) const;
    [[nodiscard]] std::optional<Cell> cellOf(QDate date) const;
    // The wuku of a row (the same for all its seven days); number 0 outside the sheet.
    [[nodiscard]] Wuku::Week wukuOfRow(int row) const;

    // "June 1980", in the interface's language.
    [[nodiscard]] QString title() const;
    // The Javanese months the month spans, with year, year name and windu: "Rejeb – Ruwah 1912 Be, windu
    // Kuntara", or "Besar 1958 Je – Sura 1959 Dal, windu Sancaya" across a new year.
    [[nodiscard]] QString javaneseTitle() const;
    // The Hijri months the month spans, by the arithmetical calendar: "Rajab – Sha'ban 1400 AH".
    [[nodiscard]] QString hijriTitle() const;

private:
    int m_year = 0;
    int m_month = 0;
    int m_leadingCells = 0;  // empty cells before the 1st: its weekday, Sunday 0
    int m_rows = 0;
    std::vector<DayFacts::Facts> m_days;  // index: day of the month - 1
};
