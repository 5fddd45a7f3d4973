// SPDX-License-Identifier: MIT
#include "Wuku.h"

#include <array>

namespace Wuku {
namespace {

constexpr std::array<QStringView, Count> Names = {
    u"Sinta",       u"Landep",   u"Wukir",    u"Kurantil",     u"Tolu",    u"Gumbreg",   u"Warigalit",   u"Warigagung",
    u"Julungwangi", u"Sungsang", u"Galungan", u"Kuningan",     u"Langkir", u"Mandasiya", u"Julungpujut", u"Pahang",
    u"Kuruwelut",   u"Marakeh",  u"Tambir",   u"Medangkungan", u"Maktal",  u"Wuye",      u"Manahil",     u"Prangbakat",
    u"Bala",        u"Wugu",     u"Wayang",   u"Kulawu",       u"Dukut",   u"Watugunung"};

// The cycle is fixed by the Balinese Galungan, which falls on the Wednesday (Buda) Kliwon of the
// eleventh wuku (Dungulan in Bali, Galungan in Java): 28 February 2024 was one (Galungan dates in
// Wikipedia's "Galungan" article). That Wednesday is day 3 of week 11, so the Sunday that began wuku 1
// lay 10 * 7 + 3 = 73 days before it. Javanese almanacs agree, e.g. Tembi's weekly primbon (3-9 November
// 2013, wuku Langkir, the 13th) and tirto.id's calendar for December 2021 (1 December: Mandasiya).
constexpr qint64 Galungan2024 = 2460369;  // Julian Day Number of 2024-02-28
constexpr qint64 FirstDayOfSinta = Galungan2024 - 73;

static_assert((FirstDayOfSinta + 1) % 7 == 0, "wuku 1 begins on a Sunday");

}  // namespace

Week ofDate(QDate date) noexcept
{
    if (!date.isValid())
        return {};
    const qint64 offset = date.toJulianDay() - FirstDayOfSinta;
    const qint64 cycleDay = (offset % (7 * Count) + 7 * Count) % (7 * Count);
    const int number = int(cycleDay / 7) + 1;
    return {number, Names[number - 1]};
}

QStringView name(int number) noexcept { return number >= 1 && number <= Count ? Names[number - 1] : QStringView(); }

}  // namespace Wuku
