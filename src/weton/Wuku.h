// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QStringView>

// The wuku: thirty named weeks, each from Sunday to Saturday, that make the 210-day pawukon cycle.
namespace Wuku {

inline constexpr int Count = 30;

struct Week
{
    int number = 0;  // 1 (Sinta) .. 30 (Watugunung); 0 for an invalid date
    QStringView name;
};

[[nodiscard]] Week ofDate(QDate date) noexcept;
// Name of wuku 1..30; empty outside.
[[nodiscard]] QStringView name(int number) noexcept;

}  // namespace Wuku
