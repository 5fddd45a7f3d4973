// SPDX-License-Identifier: MIT
// Figures for the reckoning's core step and for the tab-separated path of the `weton` tool, both over
// every date the program reckons (1901-01-01 to 2036-12-31). Prints the median of several rounds.

#include "cli/TsvMode.h"
#include "weton/CoveredDays.h"
#include "weton/GregorianMonths.h"
#include "weton/modJavaneseAstrology.h"

#include <QBuffer>
#include <QDate>
#include <QList>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct BirthDate
{
    qint16 year;
    const QString *month;
    qint16 day;
};

constexpr int Rounds = 9;
constexpr int PassesPerRound = 200;

// Output goes nowhere, so the figure is the tool's own work and not a growing in-memory buffer's.
class NullDevice final : public QIODevice
{
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        written += size;
        return size;
    }

public:
    qint64 written = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Month names as the entry window stores them: one QString per month, shared by all its dates.
const QList<QString> &monthNames()
{
    static const QList<QString> names = [] {
        QList<QString> list;
        for (int m = 0; m < 12; ++m)
            list.append(GregorianMonths::name(m).toString());
        return list;
    }();
    return names;
}

std::vector<BirthDate> everyReckonedDate()
{
    std::vector<BirthDate> dates;
    for (QDate d = CoveredDays::first(); d <= CoveredDays::last(); d = d.addDays(1))
        dates.push_back({qint16(d.year()), &monthNames()[d.month() - 1], qint16(d.day())});
    return dates;
}

void benchReckonSign(const std::vector<BirthDate> &dates)
{
    std::vector<double> rates;
    long long checksum = 0;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int pass = 0; pass < PassesPerRound; ++pass)
            for (const BirthDate &date : dates) {
                const auto sign = modJavaneseAstrology::ReckonSign(date.year, *date.month, date.day);
                checksum += sign ? sign->weekday * 5 + sign->market : -1;
            }
        rates.push_back(double(dates.size()) * PassesPerRound / secondsSince(start));
    }
    std::printf("ReckonSign: %zu dates x %d passes, median of %d rounds: %.1f million dates/s "
                "(checksum %lld)\n",
                dates.size(), PassesPerRound, Rounds, median(rates) / 1e6, checksum);
}

void benchTsvPath(const std::vector<BirthDate> &dates)
{
    QByteArray input;
    for (QDate d = CoveredDays::first(); d <= CoveredDays::last(); d = d.addDays(1))
        input += d.toString(Qt::ISODate).toLatin1() + '\n';
    std::vector<double> times;
    qint64 outputSize = 0;
    for (int round = 0; round < Rounds; ++round) {
        QBuffer in(&input), err;
        NullDevice out;
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        err.open(QIODevice::WriteOnly);
        const auto start = std::chrono::steady_clock::now();
        const int status = WetonCli::runTsv(in, out, err);
        times.push_back(secondsSince(start));
        outputSize = out.written;
        if (status != 0)
            std::printf("tsv path failed with status %d\n", status);
    }
    std::printf("tsv path in memory: %zu dates, %lld bytes out, median of %d rounds: %.1f ms\n", dates.size(),
                static_cast<long long>(outputSize), Rounds, median(times) * 1e3);
}

}  // namespace

int main()
{
    const std::vector<BirthDate> dates = everyReckonedDate();
    benchReckonSign(dates);
    benchTsvPath(dates);
    return 0;
}
