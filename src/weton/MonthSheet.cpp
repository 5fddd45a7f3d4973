// SPDX-License-Identifier: MIT
#include "MonthSheet.h"

#include "CoveredDays.h"
#include "HijriCalendar.h"
#include "InterfaceLanguage.h"

#include <QCoreApplication>
#include <QStringList>

MonthSheet::MonthSheet(int year, int month) : m_year(year), m_month(month)
{
    const QDate first(year, month, 1);
    if (!CoveredDays::contains(first))
        return;
    m_days.reserve(first.daysInMonth());
    for (int day = 1; day <= first.daysInMonth(); ++day)
        m_days.push_back(DayFacts::of(first.addDays(day - 1)));
    m_leadingCells = m_days.front().neptu.weekday;
    m_rows = (m_leadingCells + int(m_days.size()) + Columns - 1) / Columns;
}

const DayFacts::Facts *MonthSheet::dayAt(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= Columns)
        return nullptr;
    const int index = row * Columns + column - m_leadingCells;
    return index >= 0 && index < int(m_days.size()) ? &m_days[index] : nullptr;
}

std::optional<MonthSheet::Cell> MonthSheet::cellOf(QDate date) const
{
    if (m_days.empty() || date.year() != m_year || date.month() != m_month)
        return std::nullopt;
    const int index = date.day() - 1 + m_leadingCells;
    return Cell{index / Columns, index % Columns};
}

Wuku::Week MonthSheet::wukuOfRow(int row) const
{
    for (int column = 0; column < Columns; ++column)
        if (const DayFacts::Facts *day = dayAt(row, column))
            return day->wuku;
    return {};
}

QString MonthSheet::title() const
{
    return QCoreApplication::translate("MonthSheet", "%1 %2", "month, year")
        .arg(InterfaceLanguage::shownMonthName(m_month - 1))
        .arg(m_year);
}

QString MonthSheet::javaneseTitle() const
{
    // One part per Javanese year the month touches: its first and last month, the year and its name.
    struct Part
    {
        JavaneseCalendar::JavaneseDate first, last;
    };
    std::vector<Part> parts;
    for (const DayFacts::Facts &day : m_days) {
        if (!day.javanese)
            continue;
        if (parts.empty() || parts.back().first.year != day.javanese->year)
            parts.push_back({*day.javanese, *day.javanese});
        parts.back().last = *day.javanese;
    }
    const auto winduText = [](const JavaneseCalendar::JavaneseDate &date) {
        return QCoreApplication::translate("MonthSheet", "windu %1").arg(JavaneseCalendar::winduName(date.windu));
    };
    const bool oneWindu = parts.empty() || parts.front().first.windu == parts.back().last.windu;
    QStringList texts;
    for (const Part &part : parts) {
        QString months = JavaneseCalendar::monthName(part.first.month).toString();
        if (part.last.month != part.first.month)
            months += QStringLiteral(" – ") + JavaneseCalendar::monthName(part.last.month).toString();
        QString text = QStringLiteral("%1 %2 %3")
                           .arg(months)
                           .arg(part.first.year)
                           .arg(JavaneseCalendar::yearName(part.first.yearInWindu));
        if (!oneWindu)
            text += QStringLiteral(", ") + winduText(part.first);
        texts << text;
    }
    QString title = texts.join(QStringLiteral(" – "));
    if (oneWindu && !parts.empty())
        title += QStringLiteral(", ") + winduText(parts.front().first);
    return title;
}

QString MonthSheet::hijriTitle() const
{
    return m_days.empty() ? QString() : HijriCalendar::spannedTitle(m_year, m_month);
}
