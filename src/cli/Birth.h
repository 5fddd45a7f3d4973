// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>

namespace WetonCli {

// A date of birth as given on the command line, and whether the birth was after sunset, when the
// Javanese day had already turned and the weton is the next civil day's.
struct Birth
{
    QDate date;
    bool afterSunset = false;
};

}  // namespace WetonCli
