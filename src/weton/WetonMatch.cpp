// SPDX-License-Identifier: MIT
#include "WetonMatch.h"

#include "InterfaceLanguage.h"

#include <array>

namespace WetonMatch {
namespace {

// Indexed by the remainder; a sum divisible by 8 is Pesthi.
constexpr std::array<QStringView, 8> Names = {u"Pesthi", u"Pegat",  u"Ratu", u"Jodoh",
                                              u"Topo",   u"Tinari", u"Padu", u"Sujanan"};

}  // namespace

Match of(int firstNeptu, int secondNeptu) noexcept
{
    const int sum = firstNeptu + secondNeptu;
    const int remainder = (sum % 8 + 8) % 8;
    return {sum, remainder, Names[remainder]};
}

QString meaning(int remainder)
{
    if (remainder < 0 || remainder >= int(Names.size()))
        return {};
    return InterfaceLanguage::contentText(QStringLiteral("matches/%1.txt").arg(remainder));
}

}  // namespace WetonMatch
