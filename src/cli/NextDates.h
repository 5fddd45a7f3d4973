// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QList>

namespace WetonCli {

// A weton comes back every 35 days (seven weekdays by five market days). The dates after `after` that
// share the weton of `signDate`, earliest first, at most `count` of them and none past the last
// reckoned date, so fewer than asked for near the end of the range.
[[nodiscard]] QList<QDate> datesSharingWeton(QDate signDate, QDate after, int count);

}  // namespace WetonCli
