// SPDX-License-Identifier: MIT
#include "StandardStream.h"
#include "WetonCli.h"
#include "weton/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDate>

int main(int argc, char *argv[])
{
    // Before the application object, which opens files of its own.
    WetonCli::StandardStream::noteClosedStreams();
    QCoreApplication application(argc, argv);
    InterfaceLanguage::install(application, QLocale::system().uiLanguages());
    // Unbuffered devices: the tool buffers its own output in large blocks, and a failed write shows at
    // once instead of in a flush nobody checks. A stream that is closed fails only in the mode that
    // needs it, and says so.
    WetonCli::StandardStream in(WetonCli::StandardStream::Input), out(WetonCli::StandardStream::Output),
        err(WetonCli::StandardStream::Error);
    QStringList arguments = application.arguments();
    arguments.removeFirst();
    return WetonCli::run(arguments, {in, out, err}, QDate::currentDate());
}
