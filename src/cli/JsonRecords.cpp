// SPDX-License-Identifier: MIT
#include "JsonRecords.h"

#include "weton/AfterSunset.h"
#include "weton/DaySignCatalogue.h"
#include "weton/HijriCalendar.h"
#include "weton/JavaneseCalendar.h"
#include "weton/Neptu.h"
#include "weton/PranataMangsa.h"
#include "weton/Wuku.h"

#include <charconv>
#include <cstring>

namespace WetonCli {

QByteArray jsonString(QStringView text)
{
    QByteArray escaped = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\') {
            escaped += '\\';
            escaped += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            escaped += "\\u00";
            escaped += "0123456789abcdef"[(c >> 4) & 0xF];
            escaped += "0123456789abcdef"[c & 0xF];
        } else {
            escaped += c;
        }
    }
    return escaped + '"';
}

const QByteArray &JsonRecords::wetonHead(int weekday, int marketDay)
{
    QByteArray &head = heads[weekday * 5 + marketDay];
    if (head.isEmpty()) {
        const int weekdayValue = Neptu::ofWeekday(weekday), marketValue = Neptu::ofMarketDay(marketDay);
        head = "\",\"weekday\":" + jsonString(DaySignCatalogue::englishWeekday(weekday))
               + ",\"weekdayIndonesian\":" + jsonString(DaySignCatalogue::indonesianWeekday(weekday))
               + ",\"marketDay\":" + jsonString(DaySignCatalogue::marketDayInLookupOrder(marketDay))
               + ",\"neptu\":{\"weekday\":" + QByteArray::number(weekdayValue)
               + ",\"marketDay\":" + QByteArray::number(marketValue)
               + ",\"total\":" + QByteArray::number(weekdayValue + marketValue) + "},";
    }
    return head;
}

const QByteArray &JsonRecords::wetonTail(int weekday, int marketDay)
{
    QByteArray &tail = tails[weekday * 5 + marketDay];
    if (tail.isEmpty())
        tail = ",\"description\":" + jsonString(DaySignCatalogue::descriptionAt(weekday, marketDay));
    return tail;
}

const QByteArray &JsonRecords::wuku(int number)
{
    QByteArray &part = wukus[number - 1];
    if (part.isEmpty())
        part =
            "\"wuku\":{\"number\":" + QByteArray::number(number) + ",\"name\":" + jsonString(Wuku::name(number)) + "},";
    return part;
}

namespace {

// Decimal digits of a small non-negative number, without allocating.
void appendNumber(BufferedOutput &output, int value)
{
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    output.append(QByteArrayView(digits, end - digits));
}

// The end of one record, whose pieces are all short and bounded: names of at most 20 characters and
// numbers of at most four digits.
class RecordEnd
{
public:
    void add(QByteArrayView text)
    {
        Q_ASSERT(text.size() <= Capacity - m_size);
        std::memcpy(m_data.data() + m_size, text.data(), size_t(text.size()));
        m_size += text.size();
    }
    void add(int value)
    {
        m_size = std::to_chars(m_data.data() + m_size, m_data.data() + Capacity, value).ptr - m_data.data();
    }
    [[nodiscard]] QByteArrayView view() const { return {m_data.data(), m_size}; }

private:
    static constexpr qsizetype Capacity = 256;
    std::array<char, Capacity> m_data;
    qsizetype m_size = 0;
};

}  // namespace

JsonRecords::JsonRecords()
{
    for (int i = 0; i < 12; ++i)
        monthNames[i] = JavaneseCalendar::monthName(i + 1).toLatin1();
    for (int i = 0; i < 8; ++i)
        yearNames[i] = JavaneseCalendar::yearName(i + 1).toLatin1();
    for (int i = 0; i < 4; ++i)
        winduNames[i] = JavaneseCalendar::winduName(i).toLatin1();
    for (int i = 0; i < 12; ++i)
        hijriMonthNames[i] = jsonString(QString(HijriCalendar::monthName(i + 1)));
    for (int i = 0; i < PranataMangsa::Count; ++i)
        mangsaNames[i] = PranataMangsa::name(i + 1).toLatin1();
}

void JsonRecords::appendLaterFacts(BufferedOutput &output, QDate date, bool afterSunset, QByteArrayView wetonDateText)
{
    // A few dozen short pieces a record: gathered here first, they reach the output in one append.
    RecordEnd end;
    if (const std::optional<HijriCalendar::HijriDate> hijri = HijriCalendar::ofDate(date)) {
        end.add(",\"hijriDate\":{\"day\":");
        end.add(hijri->day);
        end.add(",\"month\":");
        end.add(hijri->month);
        end.add(",\"monthName\":");
        end.add(hijriMonthNames[hijri->month - 1]);
        end.add(",\"year\":");
        end.add(hijri->year);
        end.add("}");
    } else {
        end.add(",\"hijriDate\":null");
    }
    const PranataMangsa::Mangsa mangsa = PranataMangsa::ofDate(date);
    end.add(",\"pranataMangsa\":{\"number\":");
    end.add(mangsa.number);
    end.add(",\"name\":\"");
    end.add(mangsaNames[mangsa.number - 1]);
    end.add("\",\"day\":");
    end.add(mangsa.day);
    end.add(",\"length\":");
    end.add(mangsa.length);
    end.add(afterSunset ? "},\"afterSunset\":true,\"wetonDate\":\"" : "},\"afterSunset\":false,\"wetonDate\":\"");
    output.append(end.view());
    output.append(wetonDateText);
    output.append("\"}\n");
}

void JsonRecords::append(BufferedOutput &output, QByteArrayView dateText, QDate birth, bool afterSunset)
{
    const QDate date = AfterSunset::wetonDay(birth, afterSunset);
    const Neptu::DayNeptu neptu = Neptu::ofDate(date);
    const std::optional<JavaneseCalendar::JavaneseDate> javanese = JavaneseCalendar::ofDate(date);
    output.append("{\"date\":\"");
    output.append(dateText);
    output.append(wetonHead(neptu.weekday, neptu.marketDay));
    output.append(wuku(Wuku::ofDate(date).number));
    if (javanese) {
        output.append("\"javaneseDate\":{\"day\":");
        appendNumber(output, javanese->day);
        output.append(",\"month\":");
        appendNumber(output, javanese->month);
        output.append(",\"monthName\":\"");
        output.append(monthNames[javanese->month - 1]);
        output.append("\",\"year\":");
        appendNumber(output, javanese->year);
        output.append(",\"yearName\":\"");
        output.append(yearNames[javanese->yearInWindu - 1]);
        output.append("\",\"windu\":\"");
        output.append(winduNames[javanese->windu]);
        output.append("\"}");
    } else {
        output.append("\"javaneseDate\":null");
    }
    output.append(wetonTail(neptu.weekday, neptu.marketDay));
    // Without the option the day is the one given, and its text is written as it came.
    const QByteArray turned = afterSunset ? date.toString(Qt::ISODate).toLatin1() : QByteArray();
    appendLaterFacts(output, date, afterSunset, afterSunset ? QByteArrayView(turned) : dateText);
}

}  // namespace WetonCli
