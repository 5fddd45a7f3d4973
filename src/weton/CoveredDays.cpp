// SPDX-License-Identifier: MIT
#include "CoveredDays.h"

namespace CoveredDays {

QDate first() { return {FirstYear, 1, 1}; }
QDate last() { return {LastYear, 12, 31}; }
bool contains(QDate date) { return date.isValid() && date >= first() && date <= last(); }
QDate nearest(QDate date) { return contains(date) ? date : date > last() ? last() : first(); }

}  // namespace CoveredDays
