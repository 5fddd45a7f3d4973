// SPDX-License-Identifier: MIT
#include "QtPrinter.h"

#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace platform {
namespace {

// Whether the spooler turned down the job just sent. Qt's CUPS print engine hands the finished job over
// with cupsPrintFile() and drops its answer: a queue that refuses jobs, a user who may not print there,
// a used-up quota or a spooler that fails while the job is sent all leave the printer's state Idle, as if
// the job had gone. libcups keeps the status of the last request it made, per thread; Qt's request is
// the last one made on this thread when print() returns, so that status is the job's answer. Asking the
// spooler about the job afterwards would need the job's number, which Qt does not give either, and
// sending the job through libcups ourselves would repeat what Qt does with page size, orientation and
// the queue's options. libcups is the one Qt's print plugin has loaded, reached by name rather than
// linked: linking would load it, and Kerberos, GnuTLS and Avahi behind it, at every start (3 MB), for
// this one question after printing.
bool spoolerRefused()
{
#ifdef Q_OS_UNIX
    using LastError = int (*)();
    const auto lastError = reinterpret_cast<LastError>(QLibrary::resolve(QStringLiteral("cups"), 2, "cupsLastError"));
    // Statuses 0x0000 to 0x00FF are the successful ones (IPP/1.1, RFC 8011 section 4.1.6).
    return lastError && lastError() > 0x00FF;
#else
    return false;  // Windows' print engine reports a job the spooler does not take in printerState()
#endif
}

}  // namespace

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
    const bool failed = printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted;
    return failed || spoolerRefused() ? PrintOutcome::Failed : PrintOutcome::Printed;
}

}  // namespace platform
