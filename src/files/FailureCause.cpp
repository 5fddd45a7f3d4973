// SPDX-License-Identifier: MIT
#include "FailureCause.h"

#include "weton/InterfaceLanguage.h"

#include <QCoreApplication>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <clocale>
#include <cstring>
#endif

namespace FailureCause {
namespace {

struct Cause
{
    int number;
    const char *text;
};

// Our own words for the causes a save or a standard stream meets. Qt's qt_error_string answers in
// English for four of them (no space, permission denied, no such file, too many open files), and the C
// library's translations need the desktop's locale to be generated on the machine, while the interface
// language is chosen from the desktop's preferences alone: only a table of our own speaks the interface's
// language everywhere. The C library says the rare rest.
constexpr Cause Causes[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("FailureCause", "no space is left on the device")},
#ifdef EDQUOT
    {EDQUOT, QT_TRANSLATE_NOOP("FailureCause", "the disk quota is used up")},
#endif
    {EFBIG, QT_TRANSLATE_NOOP("FailureCause", "the file would grow larger than allowed")},
    {EACCES, QT_TRANSLATE_NOOP("FailureCause", "permission is denied")},
    {EPERM, QT_TRANSLATE_NOOP("FailureCause", "the operation is not permitted")},
    {EROFS, QT_TRANSLATE_NOOP("FailureCause", "the file system is read-only")},
    {ENOENT, QT_TRANSLATE_NOOP("FailureCause", "no such file or folder")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FailureCause", "a part of the path is not a folder")},
    {EISDIR, QT_TRANSLATE_NOOP("FailureCause", "it is a folder")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("FailureCause", "the name is too long")},
#ifdef ELOOP
    {ELOOP, QT_TRANSLATE_NOOP("FailureCause", "too many symbolic links in the path")},
#endif
    {EMFILE, QT_TRANSLATE_NOOP("FailureCause", "too many files are open")},
    {ENFILE, QT_TRANSLATE_NOOP("FailureCause", "too many files are open in the system")},
    {EIO, QT_TRANSLATE_NOOP("FailureCause", "the device reported an input/output error")},
    {EPIPE, QT_TRANSLATE_NOOP("FailureCause", "the other end of the pipe is closed")},
};

// "No data available" reads "no data available" after a colon; "RPC struct is bad" keeps its capitals.
QString lowerFirst(QString text)
{
    if (text.size() > 1 && text.at(0).isUpper() && text.at(1).isLower())
        text[0] = text.at(0).toLower();
    return text;
}

// The C library's message in the interface's language where the machine has that locale, else in
// English: never in a third language, as the process's own locale may be.
QString systemText(int errorNumber)
{
#ifdef Q_OS_UNIX
    const QByteArray wanted = InterfaceLanguage::isEnglish()
                                  ? QByteArrayLiteral("C")
                                  : QLocale(InterfaceLanguage::current()).name().toLatin1() + ".UTF-8";
    locale_t locale = ::newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, wanted.constData(), nullptr);
    if (locale == nullptr)
        locale = ::newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, "C", nullptr);
    if (locale == nullptr)
        return qt_error_string(errorNumber);
    QString text = QString::fromUtf8(::strerror_l(errorNumber, locale));
    ::freelocale(locale);
    return text;
#else
    return qt_error_string(errorNumber);
#endif
}

}  // namespace

QString text(int errorNumber)
{
    for (const Cause &cause : Causes)
        if (cause.number == errorNumber)
            return QCoreApplication::translate("FailureCause", cause.text);
    const QString system = errorNumber == 0 ? QString() : lowerFirst(systemText(errorNumber));
    return system.isEmpty() ? QCoreApplication::translate("FailureCause", "the cause is not known") : system;
}

}  // namespace FailureCause
