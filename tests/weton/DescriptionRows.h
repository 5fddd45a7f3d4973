// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1String>
#include <QString>

#include <array>

// The 35 descriptions as the program's content defines them: each pair, its English weekday, the
// opening words of its text and the text's exact length. Numbered from 1 in the order the reckoning
// tests the pairs.
namespace descriptionrows {

struct Row
{
    int number;
    const char *indonesianWeekday;
    const char *marketDay;
    const char *englishWeekday;
    const char *opening;
    int length;
};

inline constexpr std::array<Row, 35> Rows = {{
    {1, "Minggu", "Legi", "Sunday", "You are very secretive and introvert by nature.", 863},
    {2, "Minggu", "Pahing", "Sunday", "According to the myths and legends of the", 565},
    {3, "Minggu", "Pon", "Sunday", "You are a sensitive, emotional and a soft-hearted", 714},
    {4, "Minggu", "Wage", "Sunday", "You are a kind, generous and a compassionate", 656},
    {5, "Minggu", "Kliwon", "Sunday", "Like the Minggu Legi folks, you are also", 639},
    {6, "Senin", "Legi", "Monday", "You are just the opposite of Minggu Legi", 652},
    {7, "Senin", "Pahing", "Monday", "Senin Pahing fellows are often referred to as", 741},
    {8, "Senin", "Pon", "Monday", "Born on Senin Pon you are unpredictable and", 620},
    {9, "Senin", "Wage", "Monday", "Senin Wage people are direct, outspoken, extrovert and", 678},
    {10, "Senin", "Kliwon", "Monday", "Family and friends are your first and foremost", 674},
    {11, "Selasa", "Legi", "Tuesday", "The Selasa Legi folks are well-known for their", 930},
    {12, "Selasa", "Pahing", "Tuesday", "Selasa Pahing folks are basically sweet natured, easy", 427},
    {13, "Selasa", "Pon", "Tuesday", "The Salasa Pon folks are well-known for their", 643},
    {14, "Selasa", "Wage", "Tuesday", "The Selasa Wage folks are well-known for their", 728},
    {15, "Selasa", "Kliwon", "Tuesday", "You are born a friendly person with a", 612},
    {16, "Rabu", "Legi", "Wednesday", "Rabu Legi fellows are the strict followers of", 549},
    {17, "Rabu", "Pahing", "Wednesday", "You are secretive and introvert by nature. You", 529},
    {18, "Rabu", "Pon", "Wednesday", "Rabu Pon folks are born as lucky individuals.", 423},
    {19, "Rabu", "Wage", "Wednesday", "You are good hearted and friendly by nature.", 798},
    {20, "Rabu", "Kliwon", "Wednesday", "Rabu Kliwon folks think more and act less.", 516},
    {21, "Kemis", "Legi", "Thursday", "Kamis Legi folks generally live in their lofty", 605},
    {22, "Kemis", "Pahing", "Thursday", "You are ambitious and determined. You are so", 433},
    {23, "Kemis", "Pon", "Thursday", "You are born with high ideals and respectable", 495},
    {24, "Kemis", "Wage", "Thursday", "Kemis Wage people are the well-known dreamers of", 633},
    {25, "Kemis", "Kliwon", "Thursday", "You always plan to get the big things", 671},
    {26, "Jumat", "Legi", "Friday", "Jumat Legi folks are well known for their", 537},
    {27, "Jumat", "Pahing", "Friday", "You are a communicative person with an honest", 483},
    {28, "Jumat", "Pon", "Friday", "According to the myth of Javanese astrology, Jumat", 381},
    {29, "Jumat", "Wage", "Friday", "Jumat Wage folks are well known for their", 654},
    {30, "Jumat", "Kliwon", "Friday", "It is your patience and generosity that makes", 413},
    {31, "Sabtu", "Legi", "Saturday", "Born under this sign of Javanese astrology, you", 556},
    {32, "Sabtu", "Pahing", "Saturday", "You are a real stubborn and red-head fellow!", 576},
    {33, "Sabtu", "Pon", "Saturday", "You are an egoistic person with a high", 581},
    {34, "Sabtu", "Wage", "Saturday", "You are 'forceful' and 'dynamic'. The Sabtu Wage", 674},
    {35, "Sabtu", "Kliwon", "Saturday", "You are an overall impressive personality. It is", 651},
}};

// The row of a pair, or nullptr.
inline const Row *rowOf(const QString &indonesianWeekday, const QString &marketDay)
{
    for (const Row &row : Rows)
        if (QLatin1String(row.indonesianWeekday) == indonesianWeekday && QLatin1String(row.marketDay) == marketDay)
            return &row;
    return nullptr;
}

}  // namespace descriptionrows
