// SPDX-License-Identifier: MIT
#include "WetonMatch.h"

#include "InterfaceLanguage.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace WetonMatch {
namespace {

// Indexed by the remainder of the sum divided by 9: a multiple of 9 closes a cycle and reads as Pegat,
// like the 1 that opens the next (Tempo and Kumparan's tables: Pegat 1, 9, 10, 18, 19, 27, 28, 36).
constexpr std::array<QStringView, Cycle> Names = {u"Pegat",  u"Pegat", u"Ratu",    u"Jodoh", u"Topo",
                                                  u"Tinari", u"Padu",  u"Sujanan", u"Pesthi"};

}  // namespace

Match of(int firstNeptu, int secondNeptu) noexcept
{
    const int sum = firstNeptu + secondNeptu;
    const int remainder = (sum % Cycle + Cycle) % Cycle;
    return {firstNeptu, secondNeptu, sum, remainder, Names[remainder]};
}

QString meaning(QStringView name)
{
    if (std::find(Names.begin(), Names.end(), name) == Names.end())
        return {};
    return InterfaceLanguage::contentText(QStringLiteral("matches/%1.txt").arg(name));
}

QString ruleLine(const Match &match)
{
    return QCoreApplication::translate("WetonMatch", "Neptu %1 + %2 = %3; %3 divided by %4 leaves %5: %6")
        .arg(match.first)
        .arg(match.second)
        .arg(match.sum)
        .arg(Cycle)
        .arg(match.remainder)
        .arg(match.name);
}

}  // namespace WetonMatch
