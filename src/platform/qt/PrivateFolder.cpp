// SPDX-License-Identifier: MIT
#include "PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

PrivateFolder::PrivateFolder(PrivateFolder &&other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1)), m_path(std::exchange(other.m_path, {}))
{}

PrivateFolder &PrivateFolder::operator=(PrivateFolder &&other) noexcept
{
    std::swap(m_descriptor, other.m_descriptor);
    std::swap(m_path, other.m_path);
    return *this;
}

#ifdef Q_OS_UNIX
namespace {

constexpr mode_t OthersMayWrite = S_IWGRP | S_IWOTH;
constexpr mode_t OthersRights = S_IRWXG | S_IRWXO;

// Checked on the open folder, so what is checked is what is used. A folder others could write into may
// hold a lock or a socket of theirs already: it is refused, never made private. One they could only
// read or enter holds nothing of theirs, and is closed to them.
bool makePrivate(int descriptor)
{
    struct stat status
    {};
    if (::fstat(descriptor, &status) != 0 || status.st_uid != ::geteuid() || (status.st_mode & OthersMayWrite) != 0)
        return false;
    return (status.st_mode & OthersRights) == 0 || ::fchmod(descriptor, status.st_mode & ~OthersRights) == 0;
}

// The folder through its descriptor where the system offers that (Linux's /proc), else by its name.
// Linux has no bindat() or connectat(); a path through /proc reaches the very folder that was opened,
// for the socket as for the lock.
QString pathThrough(int descriptor, const QString &name)
{
    const QString through = QStringLiteral("/proc/self/fd/%1").arg(descriptor);
    struct stat held
    {};
    struct stat reached
    {};
    const bool same = ::fstat(descriptor, &held) == 0 && ::stat(QFile::encodeName(through).constData(), &reached) == 0
                      && held.st_dev == reached.st_dev && held.st_ino == reached.st_ino;
    return same ? through : name;
}

}  // namespace

PrivateFolder::~PrivateFolder()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

PrivateFolder PrivateFolder::open(const QString &path)
{
    PrivateFolder folder;
    if (path.isEmpty())
        return folder;
    // Only a folder, and not through a link: one another user planted could point anywhere, even into a
    // folder of ours.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
        return folder;
    if (!makePrivate(descriptor)) {
        ::close(descriptor);
        return folder;
    }
    folder.m_descriptor = descriptor;
    folder.m_path = pathThrough(descriptor, path);
    return folder;
}

PrivateFolder PrivateFolder::find()
{
    // Qt rejects a runtime folder that is not private, but by its name; the check that counts is ours.
    PrivateFolder runtime = open(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (runtime.isValid())
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/wetonara-%1").arg(::geteuid());
    // Fails when something stands there already; whatever it is, the check decides.
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return open(own);
}

#else

PrivateFolder::~PrivateFolder() = default;

// Windows gives every user a temporary folder of their own, closed to other users by its access list.
PrivateFolder PrivateFolder::open(const QString &path)
{
    PrivateFolder folder;
    if (!path.isEmpty() && QFileInfo(path).isDir())
        folder.m_path = path;
    return folder;
}

PrivateFolder PrivateFolder::find() { return open(QStandardPaths::writableLocation(QStandardPaths::TempLocation)); }

#endif

QString privateFolder()
{
    static const PrivateFolder held = PrivateFolder::find();
    return held.path();
}

}  // namespace platform
