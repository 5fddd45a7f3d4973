// SPDX-License-Identifier: MIT
#pragma once

#include "files/WetonanEvent.h"

#include <QByteArray>
#include <QDateTime>

// The wetonan as an iCalendar file (RFC 5545) that phones, Thunderbird and GNOME Calendar import: one
// all-day event, no time zone, that recurs every 35 days. Written with libical, which escapes the texts
// and folds the lines as the standard asks; this library is the only part of the program that links it.
namespace WetonanIcs {

// The whole file, CR LF line ends, UTF-8. `stamp` is when it is written (DTSTAMP).
[[nodiscard]] QByteArray compose(const WetonanEvent::Event &event, const QDateTime &stamp);

}  // namespace WetonanIcs
