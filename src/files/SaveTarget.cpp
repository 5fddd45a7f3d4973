// SPDX-License-Identifier: MIT
#include "SaveTarget.h"

#include "FailureCause.h"
#include "SavedReading.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace SaveTarget {
namespace {

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

// A chain of links longer than this is a loop; the system gives up sooner.
constexpr int MaxLinkHops = 40;

// The file a save replaces: the end of a chain of symbolic links, which QSaveFile writes through. A
// dangling link leads to the file it names, which need not exist, nor its folder.
QFileInfo writtenFile(const QString &path)
{
    QFileInfo file(path);
    for (int hop = 0; file.isSymLink() && hop < MaxLinkHops; ++hop)
        file = QFileInfo(file.symLinkTarget());
    return file;
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Folder: return QCoreApplication::translate("SaveTarget", "a folder");
    case Kind::Pipe: return QCoreApplication::translate("SaveTarget", "a named pipe (FIFO)");
    case Kind::Device: return QCoreApplication::translate("SaveTarget", "a device");
    case Kind::Socket: return QCoreApplication::translate("SaveTarget", "a socket");
    case Kind::LinkLoop: return QCoreApplication::translate("SaveTarget", "a loop of symbolic links");
    default: return QCoreApplication::translate("SaveTarget", "not a regular file");
    }
}

// Permissions are asked of the system as the save would meet them (read-only mounts and immutable files
// included), only after the save failed, so they never stop a save that would have worked.
Outcome cause(const QString &path)
{
    const QFileInfo file = writtenFile(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return Outcome::MissingFolder;
    // Before the permissions: on a read-only mount every file and folder reads as read-only, and changing
    // their permissions would not help.
    if (QStorageInfo(folder.absoluteFilePath()).isReadOnly())
        return Outcome::ReadOnlyFileSystem;
    if (file.exists() && !file.isWritable())
        return Outcome::ReadOnlyFile;
    if (folder.isDir() && !folder.isWritable())
        return Outcome::ReadOnlyFolder;
    return Outcome::Failed;
}

}  // namespace

Kind kindAt(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status
    {};
    if (path.isEmpty())
        return Kind::Nothing;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ELOOP ? Kind::LinkLoop : Kind::Nothing;
    if (S_ISREG(status.st_mode))
        return Kind::File;
    if (S_ISDIR(status.st_mode))
        return Kind::Folder;
    if (S_ISFIFO(status.st_mode))
        return Kind::Pipe;
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return Kind::Device;
    return S_ISSOCK(status.st_mode) ? Kind::Socket : Kind::Other;
#else
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Kind::Nothing;
    return info.isDir() ? Kind::Folder : info.isFile() ? Kind::File : Kind::Other;
#endif
}

QString pathFor(const QString &chosen, QStringView extension)
{
    const QString dotExtension = QLatin1Char('.') + extension.toString();
    if (chosen.endsWith(dotExtension, Qt::CaseSensitive))
        return chosen;
    // A name that ends in dots ("noext.") has an empty extension: its dots give way to ".jav" rather than
    // leave "noext..jav". A name of dots alone keeps them, so it never turns into a hidden ".jav" (".ics"
    // alike).
    const qsizetype nameStart = QDir::fromNativeSeparators(chosen).lastIndexOf(QLatin1Char('/')) + 1;
    qsizetype end = chosen.size();
    while (end > nameStart && chosen.at(end - 1) == QLatin1Char('.'))
        --end;
    if (end == nameStart)
        end = chosen.size();
    return chosen.left(end) + dotExtension;
}

Result write(const QString &path, const QByteArray &bytes)
{
    const Kind kind = kindAt(path);
    // The whole-or-nothing save renames a new file over the old one, which would put a plain file in the
    // place of a pipe or a device: only a regular file, or nothing, may be replaced.
    if (kind != Kind::Nothing && kind != Kind::File)
        return {Outcome::NotAFile};
    const SavedReading::Written written = SavedReading::writeFile(path, bytes);
    return written ? Result{Outcome::Saved} : Result{cause(path), written.cause};
}

QString failureMessage(const Result &result, const QString &path, Content content)
{
    const QString start =
        (content == Content::Reading
             ? QCoreApplication::translate("SaveTarget", "The reading could not be saved as \"%1\"")
             : QCoreApplication::translate("SaveTarget", "The wetonan could not be saved for your calendar as \"%1\""))
            .arg(shown(path));
    switch (result.outcome) {
    case Outcome::Saved: return {};
    case Outcome::NotAFile:
        return start
               + QCoreApplication::translate(
                     "SaveTarget",
                     " because that is %1, not a file. It was left as it was. Please choose another name.")
                     .arg(kindName(kindAt(path)));
    case Outcome::ReadOnlyFile:
        return start
               + QCoreApplication::translate(
                   "SaveTarget", " because that file is read-only. Please choose another name, or allow changes to the "
                                 "file, then try again.");
    case Outcome::ReadOnlyFolder:
        return start
               + (writtenFile(path).exists()
                      ? QCoreApplication::translate(
                          "SaveTarget", " because the folder \"%1\" cannot be written to. A file that is "
                                        "there stays as it was. Please choose another folder, then try again.")
                      : QCoreApplication::translate("SaveTarget", " because the folder \"%1\" cannot be written to. "
                                                                  "Please choose another folder, then try again."))
                     .arg(shown(writtenFile(path).absolutePath()));
    case Outcome::ReadOnlyFileSystem:
        return start
               + QCoreApplication::translate("SaveTarget",
                                             " because the folder \"%1\" is on a read-only file system, where nothing "
                                             "can be changed. Please choose a folder on another drive, then try again.")
                     .arg(shown(writtenFile(path).absolutePath()));
    case Outcome::MissingFolder:
        return start
               + QCoreApplication::translate(
                     "SaveTarget",
                     " because the folder \"%1\" does not exist. Please choose another folder, then try again.")
                     .arg(shown(writtenFile(path).absolutePath()));
    case Outcome::Failed: break;
    }
    return start
           + QCoreApplication::translate("SaveTarget", " (%1). Please check that the folder can be written to and that "
                                                       "the disk is not full, then try again.")
                 .arg(FailureCause::text(result.cause));
}

QString replaceQuestion(const QString &path)
{
    return QCoreApplication::translate("SaveTarget", "\"%1\" already exists.\nDo you want to replace it?")
        .arg(shown(path));
}

}  // namespace SaveTarget
