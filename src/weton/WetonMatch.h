// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// The match of two wetons as most published primbon tables give it: the two neptu added up, and the sum
// read in a cycle of nine, Pegat 1, Ratu 2, Jodoh 3, Topo 4, Tinari 5, Padu 6, Sujanan 7, Pesthi 8, then
// Pegat again for 9 and 10, 18 and 19, and so on.
namespace WetonMatch {

inline constexpr int Cycle = 9;

struct Match
{
    int first = 0;  // the two neptu
    int second = 0;
    int sum = 0;
    int remainder = 0;  // of the sum divided by nine
    QStringView name;   // Pegat, Ratu, Jodoh, Topo, Tinari, Padu, Sujanan or Pesthi
};

[[nodiscard]] Match of(int firstNeptu, int secondNeptu) noexcept;
// The sentences that explain a match, from content/matches/<name>.txt in the interface's language; empty
// for a name that is no match.
[[nodiscard]] QString meaning(QStringView name);
// The reckoning as a primbon reader does it, in the interface's language: "Neptu 13 + 13 = 26; 26 divided
// by 9 leaves 8: Pesthi". The window and `weton --match` both show this line.
[[nodiscard]] QString ruleLine(const Match &match);

}  // namespace WetonMatch
