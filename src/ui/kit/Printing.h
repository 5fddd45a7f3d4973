// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

class QTextDocument;

// Printing from any window: the document goes to the default printer, and a failure is told with the
// same message wherever the user printed.
namespace Printing {

void print(platform::Printer &printer, platform::MessageBoxes &messages, const QTextDocument &document,
           platform::PageOrientation orientation);

}  // namespace Printing
