// SPDX-License-Identifier: MIT
#include "Printing.h"

#include "Messages.h"

#include <QCoreApplication>

namespace Printing {

void print(platform::Printer &printer, platform::MessageBoxes &messages, const QTextDocument &document,
           platform::PageOrientation orientation)
{
    switch (printer.print(document, orientation)) {
    case platform::PrintOutcome::Printed: break;
    case platform::PrintOutcome::NoPrinter:
        Messages::show(messages,
                       QCoreApplication::translate("Printing",
                                                   "The page could not be printed because no printer is set up. "
                                                   "Please set up a printer, make it the default printer and try "
                                                   "again."),
                       platform::MessageIcon::Critical);
        break;
    case platform::PrintOutcome::Failed:
        Messages::show(messages,
                       QCoreApplication::translate("Printing", "The page could not be printed. Please check that the "
                                                               "printer is switched on and ready, then try again."),
                       platform::MessageIcon::Critical);
        break;
    }
}

}  // namespace Printing
