#include "WetonCli.h"
#include "weton/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    InterfaceLanguage::install(application, QLocale::system().uiLanguages());
    QFile in, out, err;
    // The tool buffers its own output in large blocks; unbuffered devices make a failed write show at
    // once instead of in a flush nobody checks. A stream that is closed stays unopened: only the mode
    // that needs it fails, and says so.
    (void)in.open(fileno(stdin), QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
    (void)out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    (void)err.open(fileno(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    QStringList arguments = application.arguments();
    arguments.removeFirst();
    return WetonCli::run(arguments, {in, out, err}, QDate::currentDate());
}
