// SPDX-License-Identifier: MIT
#pragma once

#include "weton/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QStringList>

namespace fakes {

// For a window's print test that test_print_cups.sh runs against a real spooler: speaks the language
// the script asks for (WETONARA_PRINT_LANGUAGE) and returns the messages printing must show: none, or
// the one the script expects (WETONARA_PRINT_EXPECTED_MESSAGE) from a queue it set up to turn jobs down.
inline QStringList systemPrinterRun()
{
    const QString language = qEnvironmentVariable("WETONARA_PRINT_LANGUAGE");
    if (!language.isEmpty())
        InterfaceLanguage::install(*QCoreApplication::instance(), {language});
    const QString expected = qEnvironmentVariable("WETONARA_PRINT_EXPECTED_MESSAGE");
    return expected.isEmpty() ? QStringList() : QStringList{expected};
}

}  // namespace fakes
