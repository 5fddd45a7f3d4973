// SPDX-License-Identifier: MIT
#include "JavaneseCalendar.h"

#include <array>

namespace JavaneseCalendar {
namespace {

// Sources for the rules below:
// - Month names and lengths, alternately 30 and 29 days with Besar 30 in a long year: the Javanese
//   calendar articles of Wikipedia; tabloidelemen.com "Yuk Mengenal Siklus Bulan dalam Penanggalan Jawa";
//   kejawenwetan.blogspot.com "12 nama-nama bulan dalam tahun Jawa".
// - The windu of eight years Alip, Ehe, Jimawal, Je, Dal, Be, Wawu, Jimakir, of 2835 days, three of them
//   long (355 days): Ehe, Dal and Jimakir. This is the rule of the Aboge mnemonics (1 Sura "Daltugi",
//   Dal on Sabtu Legi, follows "Jesaing", Je on Selasa Pahing, after 354 days) and of the 2025 calendar
//   of Bank Indonesia (1 Sura 1959 Dal = Friday Kliwon, 27 June 2025, as reported by jatimtimes.com).
//   Some almanacs make Je long instead of Dal (H. Djanudji, "Penanggalan Jawa 120 Tahun Kuruf Asapon",
//   2013, the 2025 calendar of the Ministry of Religious Affairs, and the Balai Pustaka weekly Kajawèn,
//   which dated 7 May 1932 "30 Bêsar Je 1862"); they differ from this reckoning by one day from the last
//   day of Besar of a Je year to the end of the following Dal year.
// - The kurup of 120 years (15 windus), named after the weekday and market day of 1 Sura of its Alip
//   years: Aboge (Alip Rebo Wage) from 1747 AJ (1819 CE), Asapon (Alip Selasa Pon) from 1 Sura 1867 AJ =
//   24 March 1936 to 29 Besar 1986 AJ = 25 August 2052 (tabloidelemen.com "Ini Siklus Tahun dalam
//   Penanggalan Jawa"; kalenderimlek.blogspot.com, after Djanudji 2013). The change drops one day: the
//   last year of a kurup is a Jimakir whose Besar has 29 days instead of 30, so 1 Sura 1867 fell on
//   Selasa Pon, one day before the Rebo Wage that Aboge would have given it.
// - The epoch, 1 Sura 1555 AJ = 8 July 1633 CE (Jumat Legi; adinugrohoapt.com and the press on 1 Sura),
//   lies before the kurups reckoned here; the earlier kurups (Ajumgi, Amiswon) were of uneven length, so
//   the count starts from the Asapon anchor instead.
// - The windu names Adi, Kuntara, Sengara, Sancaya follow each other windu by windu (32 years); 1955 AJ
//   (Alip, from 10 August 2021) opened a windu Sancaya (tirto.id, "Kalender Jawa Desember 2021"), and
//   1884-1885 AJ lay in windu Sengara (nusamasa.com, calendar of 1953).

constexpr std::array<QStringView, 12> MonthNames = {u"Sura",        u"Sapar",       u"Mulud", u"Bakda Mulud",
                                                    u"Jumadilawal", u"Jumadilakir", u"Rejeb", u"Ruwah",
                                                    u"Pasa",        u"Sawal",       u"Sela",  u"Besar"};
constexpr std::array<QStringView, 8> YearNames = {u"Alip", u"Ehe", u"Jimawal", u"Je",
                                                  u"Dal",  u"Be",  u"Wawu",    u"Jimakir"};
constexpr std::array<QStringView, 4> WinduNames = {u"Adi", u"Kuntara", u"Sengara", u"Sancaya"};

constexpr int WinduDays = 2835;
constexpr int AsaponFirstYear = 1867;
constexpr int KurupYears = 120;
constexpr int SancayaAlip = 1955;
constexpr int SancayaIndex = 3;

// Day of the windu on which each year begins: Alip 354, Ehe 355, Jimawal 354, Je 354, Dal 355, Be 354,
// Wawu 354, Jimakir 355 days.
constexpr std::array<int, 9> YearStarts = {0, 354, 709, 1063, 1417, 1772, 2126, 2480, WinduDays};
// Day of the year on which each month begins; Besar runs to the year's end.
constexpr std::array<int, 12> MonthStarts = {0, 30, 59, 89, 118, 148, 177, 207, 236, 266, 295, 325};

constexpr qint64 AsaponStart = 2428252;  // Julian Day Number of 1936-03-24, 1 Sura 1867 AJ
// Where 1 Sura 1867 would have fallen under Aboge; every Aboge year is counted from here.
constexpr qint64 AbogeVirtualStart = AsaponStart + 1;
constexpr qint64 FirstDay = AbogeVirtualStart - KurupYears / 8 * WinduDays;  // 1 Sura 1747 AJ
constexpr qint64 LastDay = AsaponStart + KurupYears / 8 * WinduDays - 2;     // 29 Besar 1986 AJ

static_assert(AsaponStart % 7 == 1 && AsaponStart % 5 == 2, "1 Sura 1867 was a Selasa Pon");
static_assert(AbogeVirtualStart % 7 == 2 && AbogeVirtualStart % 5 == 3, "Aboge: every Alip opens on Rebo Wage");
static_assert(LastDay == 2470775, "the last day of kurup Asapon is 25 August 2052");

constexpr qint64 floorDiv(qint64 a, qint64 b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

template <std::size_t N>
constexpr int lastAtOrBelow(const std::array<int, N> &starts, qint64 value)
{
    int i = 0;
    while (i + 1 < int(N) && starts[i + 1] <= value)
        ++i;
    return i;
}

}  // namespace

QDate firstDate() { return QDate::fromJulianDay(FirstDay); }
QDate lastDate() { return QDate::fromJulianDay(LastDay); }

std::optional<JavaneseDate> ofDate(QDate date) noexcept
{
    if (!date.isValid())
        return std::nullopt;
    const qint64 day = date.toJulianDay();
    if (day < FirstDay || day > LastDay)
        return std::nullopt;
    // Before Asapon the count runs from Aboge's own 1 Sura 1867; the one dropped day then lies in the gap
    // between the two counts, at the end of 1866 AJ.
    const qint64 sinceAlip1867 = day - (day >= AsaponStart ? AsaponStart : AbogeVirtualStart);
    const qint64 windus = floorDiv(sinceAlip1867, WinduDays);
    const qint64 dayOfWindu = sinceAlip1867 - windus * WinduDays;
    const int yearIndex = lastAtOrBelow(YearStarts, dayOfWindu);
    const int dayOfYear = int(dayOfWindu - YearStarts[yearIndex]);
    const int monthIndex = lastAtOrBelow(MonthStarts, dayOfYear);

    JavaneseDate result;
    result.day = dayOfYear - MonthStarts[monthIndex] + 1;
    result.month = monthIndex + 1;
    result.year = int(AsaponFirstYear + windus * 8 + yearIndex);
    result.yearInWindu = yearIndex + 1;
    const qint64 windusFromSancaya = floorDiv(result.year - SancayaAlip, 8);
    result.windu = int(((windusFromSancaya + SancayaIndex) % 4 + 4) % 4);
    return result;
}

QStringView monthName(int month) noexcept { return month >= 1 && month <= 12 ? MonthNames[month - 1] : QStringView(); }

QStringView yearName(int yearInWindu) noexcept
{
    return yearInWindu >= 1 && yearInWindu <= 8 ? YearNames[yearInWindu - 1] : QStringView();
}

QStringView winduName(int windu) noexcept { return windu >= 0 && windu < 4 ? WinduNames[windu] : QStringView(); }

}  // namespace JavaneseCalendar
