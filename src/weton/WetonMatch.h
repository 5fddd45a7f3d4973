// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// The match of two wetons under the common eight-fold reckoning: the two neptu added up, and the
// remainder of the sum divided by 8 names the match.
namespace WetonMatch {

struct Match
{
    int sum = 0;
    int remainder = 0;  // 0..7
    QStringView name;   // 1 Pegat, 2 Ratu, 3 Jodoh, 4 Topo, 5 Tinari, 6 Padu, 7 Sujanan, 0 Pesthi
};

[[nodiscard]] Match of(int firstNeptu, int secondNeptu) noexcept;
// The sentences that explain a match, from content/matches in the interface's language; empty outside
// 0..7.
[[nodiscard]] QString meaning(int remainder);

}  // namespace WetonMatch
