// SPDX-License-Identifier: MIT
#include "QtPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace platform {

PrintOutcome QtPrinter::print(const QTextDocument &document, PageOrientation orientation)
{
    // With no print server QPrinter still claims to be valid and quietly prints to a PDF without a
    // file name, so the default queue is looked up first.
    const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    if (queue.isNull())
        return PrintOutcome::NoPrinter;
    QPrinter printer(queue, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Wetonara"));
    printer.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
    if (!printer.isValid())
        return PrintOutcome::NoPrinter;
    document.print(&printer);
    return printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted
               ? PrintOutcome::Failed
               : PrintOutcome::Printed;
}

}  // namespace platform
