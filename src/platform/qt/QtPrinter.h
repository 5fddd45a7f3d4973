// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

namespace platform {

class QtPrinter final : public Printer
{
public:
    PrintOutcome print(const QTextDocument &document, PageOrientation orientation) override;
};

}  // namespace platform
