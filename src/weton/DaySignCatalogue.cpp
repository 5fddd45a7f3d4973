// SPDX-License-Identifier: MIT
#include "DaySignCatalogue.h"

#include "InterfaceLanguage.h"

#include <QCoreApplication>

#include <array>
#include <map>

namespace DaySignCatalogue {
namespace {

constexpr std::array<QStringView, WeekdayCount> English = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                                           u"Thursday", u"Friday", u"Saturday"};
// Thursday is "Kemis" in the names, although two descriptions say "Kamis" in their own text. The names
// are data (the description lookup and `weton --tsv` use them); an Indonesian interface shows the
// standard spelling through its translation.
constexpr std::array<const char *, WeekdayCount> Indonesian = {
    QT_TRANSLATE_NOOP("DaySignCatalogue", "Minggu"), QT_TRANSLATE_NOOP("DaySignCatalogue", "Senin"),
    QT_TRANSLATE_NOOP("DaySignCatalogue", "Selasa"), QT_TRANSLATE_NOOP("DaySignCatalogue", "Rabu"),
    QT_TRANSLATE_NOOP("DaySignCatalogue", "Kemis"),  QT_TRANSLATE_NOOP("DaySignCatalogue", "Jumat"),
    QT_TRANSLATE_NOOP("DaySignCatalogue", "Sabtu")};
constexpr std::array<QStringView, MarketDayCount> MarketByRemainder = {u"Pon", u"Wage", u"Kliwon", u"Legi", u"Pahing"};
constexpr std::array<QStringView, MarketDayCount> MarketLookupOrder = {u"Legi", u"Pahing", u"Pon", u"Wage", u"Kliwon"};

using Descriptions = std::array<QString, WeekdayCount * MarketDayCount>;

// The texts are data under content/descriptions, numbered weekday by weekday (Minggu first) and, within
// a weekday, in the lookup order of the market days; each language has its own copy of the folder.
Descriptions load(const QString &language)
{
    Descriptions loaded;
    for (int i = 0; i < int(loaded.size()); ++i) {
        const QString name = QStringLiteral("descriptions/%1.txt").arg(i + 1, 2, 10, QLatin1Char('0'));
        loaded[i] = InterfaceLanguage::contentTextIn(language, name);
    }
    return loaded;
}

const Descriptions &descriptions(const QString &language)
{
    static std::map<QString, Descriptions> byLanguage;
    auto found = byLanguage.find(language);
    if (found == byLanguage.end())
        found = byLanguage.emplace(language, load(language)).first;
    return found->second;
}

template <typename Name, std::size_t N>
int indexOf(const std::array<Name, N> &names, QStringView name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (QAnyStringView(names[i]) == name)
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
    return position >= 0 && position < WeekdayCount ? QString::fromLatin1(Indonesian[position]) : QString();
}

QString shownIndonesianWeekday(int position)
{
    return position >= 0 && position < WeekdayCount
               ? QCoreApplication::translate("DaySignCatalogue", Indonesian[position])
               : QString();
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
    return descriptions(InterfaceLanguage::English)[weekday * MarketDayCount + market];
}

QString shownDescription(QStringView weekdayName, QStringView marketName)
{
    const int weekday = indexOf(Indonesian, weekdayName), market = indexOf(MarketLookupOrder, marketName);
    if (weekday < 0 || market < 0)
        return {};
    return descriptions(InterfaceLanguage::current())[weekday * MarketDayCount + market];
}

QString description(QStringView weekdayName, QStringView marketName)
{
    return descriptionAt(indexOf(Indonesian, weekdayName), indexOf(MarketLookupOrder, marketName));
}

}  // namespace DaySignCatalogue
