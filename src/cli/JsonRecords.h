// SPDX-License-Identifier: MIT
#pragma once

#include "BufferedOutput.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <array>

namespace WetonCli {

// Writes one JSON object a line with every fact the tool knows of a date. Keys and values are English
// and stable, for scripts; later facts are added at the end, so the earlier fields stay byte for byte:
// {"date":"1980-06-07","weekday":"Saturday","weekdayIndonesian":"Sabtu","marketDay":"Wage",
//  "neptu":{"weekday":9,"marketDay":4,"total":13},"wuku":{"number":9,"name":"Julungwangi"},
//  "javaneseDate":{"day":23,"month":7,"monthName":"Rejeb","year":1912,"yearName":"Be","windu":"Kuntara"},
//  "description":"...","hijriDate":{"day":23,"month":7,"monthName":"Rajab","year":1400},
//  "pranataMangsa":{"number":12,"name":"Sadha","day":27,"length":41},"afterSunset":false,
//  "wetonDate":"1980-06-07"}
// For a birth after sunset "date" stays as given and every fact is of "wetonDate", the next day.
// The parts that depend only on the weton or the wuku are encoded once and reused.
class JsonRecords
{
public:
    JsonRecords();
    // The date must lie within the Javanese calendar's reckoned range; `dateText` is written as given.
    void append(BufferedOutput &output, QByteArrayView dateText, QDate date, bool afterSunset = false);

private:
    static constexpr int WetonCount = 35, WukuCount = 30;
    const QByteArray &wetonHead(int weekday, int marketDay);
    const QByteArray &wetonTail(int weekday, int marketDay);
    const QByteArray &wuku(int number);
    void appendLaterFacts(BufferedOutput &output, QDate date, bool afterSunset, QByteArrayView wetonDateText);

    std::array<QByteArray, WetonCount> heads;
    std::array<QByteArray, WetonCount> tails;
    std::array<QByteArray, WukuCount> wukus;
    // Javanese month, year and windu names, ASCII and unescaped: none holds a quote or a backslash.
    std::array<QByteArray, 12> monthNames;
    std::array<QByteArray, 8> yearNames;
    std::array<QByteArray, 4> winduNames;
    std::array<QByteArray, 12> hijriMonthNames;  // escaped: one holds an apostrophe, none a quote
    std::array<QByteArray, 12> mangsaNames;
};

// A JSON string literal, quotes included, in UTF-8.
[[nodiscard]] QByteArray jsonString(QStringView text);

}  // namespace WetonCli
