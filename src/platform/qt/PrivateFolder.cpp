// SPDX-License-Identifier: MIT
#include "PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef Q_OS_UNIX
namespace {

// A real folder (not a link to one), owned by this user, with no rights for anyone else.
bool isPrivateFolder(const QString &path)
{
    struct stat status
    {};
    // lstat, not stat: a link another user planted could point anywhere, even into a folder of ours.
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode)
           && status.st_uid == ::geteuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

// A folder of our own in the shared temporary folder, made on first use; empty unless proven private.
QString ownTemporaryFolder()
{
    const QString path = QDir::tempPath() + QStringLiteral("/wetonara-%1").arg(::geteuid());
    // Fails when something stands there already; whatever it is, the check below decides.
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    return isPrivateFolder(path) ? path : QString();
}

}  // namespace

QString privateFolder()
{
    // Qt rejects a runtime folder another user owns, but follows links; the check here does not.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return isPrivateFolder(runtime) ? runtime : ownTemporaryFolder();
}

#else

// Windows gives every user a temporary folder of their own, closed to other users by its access list.
QString privateFolder() { return QStandardPaths::writableLocation(QStandardPaths::TempLocation); }

#endif

}  // namespace platform
