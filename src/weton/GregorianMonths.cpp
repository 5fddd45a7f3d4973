// SPDX-License-Identifier: MIT
#include "GregorianMonths.h"

#include <array>

namespace GregorianMonths {
namespace {

constexpr std::array<QStringView, 12> Names = {u"January",   u"February", u"March",    u"April",
                                               u"May",       u"June",     u"July",     u"August",
                                               u"September", u"October",  u"November", u"December"};

}  // namespace

std::optional<int> indexOf(QStringView name) noexcept
{
    for (int i = 0; i < 12; ++i)
        if (Names[i] == name)
            return i;
    return std::nullopt;
}

QStringView name(int index) noexcept { return index >= 0 && index < 12 ? Names[index] : QStringView(); }

}  // namespace GregorianMonths
