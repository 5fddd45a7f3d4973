#include "DaySignCatalogue.h"

#include <QFile>

#include <array>

namespace DaySignCatalogue {
namespace {

constexpr std::array<QStringView, WeekdayCount> English = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                                           u"Thursday", u"Friday", u"Saturday"};
// Thursday is "Kemis" in the names, although two descriptions say "Kamis" in their own text.
constexpr std::array<QStringView, WeekdayCount> Indonesian = {u"Minggu", u"Senin", u"Selasa", u"Rabu",
                                                              u"Kemis",  u"Jumat", u"Sabtu"};
constexpr std::array<QStringView, MarketDayCount> MarketByRemainder = {u"Pon", u"Wage", u"Kliwon", u"Legi", u"Pahing"};
constexpr std::array<QStringView, MarketDayCount> MarketLookupOrder = {u"Legi", u"Pahing", u"Pon", u"Wage", u"Kliwon"};

// The texts are data under content/descriptions, numbered weekday by weekday (Minggu first) and, within
// a weekday, in the lookup order of the market days.
const std::array<QString, WeekdayCount * MarketDayCount> &descriptions()
{
    static const auto texts = [] {
        std::array<QString, WeekdayCount * MarketDayCount> loaded;
        for (int i = 0; i < int(loaded.size()); ++i) {
            QFile file(QStringLiteral(":/content/descriptions/%1.txt").arg(i + 1, 2, 10, QLatin1Char('0')));
            if (file.open(QIODevice::ReadOnly))
                loaded[i] = QString::fromUtf8(file.readAll());
        }
        return loaded;
    }();
    return texts;
}

template <std::size_t N>
int indexOf(const std::array<QStringView, N> &names, QStringView name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name)
            return int(i);
    return -1;
}

}  // namespace

QString englishWeekday(int position)
{
    return position >= 0 && position < WeekdayCount ? English[position].toString() : QString();
}

QString indonesianWeekday(int position)
{
    return position >= 0 && position < WeekdayCount ? Indonesian[position].toString() : QString();
}

QString marketDay(int remainder)
{
    return remainder >= 0 && remainder < MarketDayCount ? MarketByRemainder[remainder].toString() : QString();
}

QString marketDayInLookupOrder(int market)
{
    return market >= 0 && market < MarketDayCount ? MarketLookupOrder[market].toString() : QString();
}

QString descriptionAt(int weekday, int market)
{
    if (weekday < 0 || weekday >= WeekdayCount || market < 0 || market >= MarketDayCount)
        return {};
    return descriptions()[weekday * MarketDayCount + market];
}

QString description(QStringView weekdayName, QStringView marketName)
{
    return descriptionAt(indexOf(Indonesian, weekdayName), indexOf(MarketLookupOrder, marketName));
}

}  // namespace DaySignCatalogue
