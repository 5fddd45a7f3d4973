// SPDX-License-Identifier: MIT
#include "PranataMangsa.h"

#include <QCoreApplication>
#include <array>

namespace PranataMangsa {
namespace {

// The seasons and the Gregorian day each begins on; each runs to the day before the next one begins.
// H. Djanudji, "Penanggalan Jawa 120 Tahun Kurup Asapon" (as the Javanese Wikipedia cites it), and the
// almanac tables of mangsatandur.com and others give these; some give Katelu to Kawolu a day later (the
// README names them). Lengths: Kasa 41, Karo 23, Katelu 24, Kapat 25, Kalima 27, Kanem 43, Kapitu 43,
// Kawolu 26 or 27, Kasanga 25, Kadasa 24, Dhesta 23, Sadha 41.
struct Start
{
    int month;
    int day;
};
constexpr std::array<QStringView, Count> Names = {u"Kasa",   u"Karo",   u"Katelu",  u"Kapat",  u"Kalima", u"Kanem",
                                                  u"Kapitu", u"Kawolu", u"Kasanga", u"Kadasa", u"Dhesta", u"Sadha"};
constexpr std::array<Start, Count> Starts = {
    {{6, 22}, {8, 2}, {8, 25}, {9, 18}, {10, 13}, {11, 9}, {12, 22}, {2, 3}, {3, 1}, {3, 26}, {4, 19}, {5, 12}}};

// Kapitu, the seventh, is the one that runs from one year into the next.
constexpr int Kapitu = 7;

QDate startIn(int year, int number) { return {year, Starts[number - 1].month, Starts[number - 1].day}; }

}  // namespace

Mangsa ofDate(QDate date)
{
    if (!date.isValid())
        return {};
    // In the order of the calendar year, from Kawolu's 3 February to Kapitu's 22 December, the last
    // season begun on or before the date; before 3 February it is the Kapitu begun the year before.
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);  // once: each of year(), month() and day() works out all three
    const int monthDay = month * 100 + day;
    int number = Kapitu, startYear = year - 1;
    for (int i = 0; i < Count; ++i) {
        const int candidate = (Kapitu + i) % Count + 1;
        const Start &start = Starts[candidate - 1];
        if (start.month * 100 + start.day > monthDay)
            break;
        number = candidate;
        startYear = year;
    }
    const QDate start = startIn(startYear, number);
    const QDate end = startIn(startYear + (number == Kapitu ? 1 : 0), number % Count + 1);
    return {number, Names[number - 1], int(start.daysTo(date)) + 1, int(start.daysTo(end))};
}

bool beginsOn(QDate date) { return ofDate(date).day == 1; }

QStringView name(int number) noexcept { return number >= 1 && number <= Count ? Names[number - 1] : QStringView(); }

QString line(const Mangsa &mangsa)
{
    if (mangsa.number == 0)
        return {};
    return QCoreApplication::translate("PranataMangsa", "Pranata Mangsa: %1 (season %2 of 12), day %3 of %4")
        .arg(mangsa.name)
        .arg(mangsa.number)
        .arg(mangsa.day)
        .arg(mangsa.length);
}

}  // namespace PranataMangsa
