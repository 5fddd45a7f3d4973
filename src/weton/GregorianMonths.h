// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <optional>

// The English names of the Gregorian months, as the reckoning, a saved reading and the entry window's
// list keep them: data, the same in every language.
namespace GregorianMonths {

// 0 for "January" .. 11 for "December"; exact, case-sensitive comparison.
[[nodiscard]] std::optional<int> indexOf(QStringView name) noexcept;
// Empty outside 0..11.
[[nodiscard]] QStringView name(int index) noexcept;

}  // namespace GregorianMonths
