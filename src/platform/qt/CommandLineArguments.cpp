// SPDX-License-Identifier: MIT
#include "CommandLineArguments.h"

#include "files/FileNames.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace platform {

QStringList commandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
#ifdef Q_OS_WIN
    // argv is in the ANSI code page there, which loses characters of many file names; the wide command
    // line keeps them.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    if (LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int index = 1; index < count; ++index)
            arguments.append(QString::fromWCharArray(wide[index]));
        LocalFree(wide);
    }
#else
    // Not QFile::decodeName, which loses a name that is not UTF-8 ("caf\xe9.jav").
    for (int index = 1; index < argc; ++index)
        arguments.append(FileNames::decode(argv[index]));
#endif
    return arguments;
}

}  // namespace platform
