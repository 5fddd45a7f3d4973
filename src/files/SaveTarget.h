// SPDX-License-Identifier: MIT
#pragma once

#include "SavedReading.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// Where a file of the program is saved (a reading, or the wetonan for the user's calendar): the name it
// gets, what already stands there, and why a save failed, in words the user can act on. Every refusal
// leaves what stood at the path exactly as it was.
namespace SaveTarget {

// What stands at a path, followed through symbolic links as a save follows them. A loop of links leads
// to nothing, but stands there all the same: a save would replace it.
enum class Kind { Nothing, File, Folder, Pipe, Device, Socket, LinkLoop, Other };

enum class Outcome {
    Saved,
    NotAFile,            // a folder, a pipe, a device, a socket or a loop of links stands at the path
    ReadOnlyFile,        // the file may not be changed
    ReadOnlyFolder,      // the file could be, but the whole-or-nothing save needs to write into its folder
    ReadOnlyFileSystem,  // nothing may be changed there: a disc, a share or a drive mounted read-only
    MissingFolder,       // the folder it would go into (a link's target's folder too) does not exist
    Failed,              // anything else: a full disk
};

[[nodiscard]] Kind kindAt(const QString &path);

// What a save writes, which its messages name.
enum class Content { Reading, Wetonan };

// The path a file is saved under, the one naming rule of the program (the save dialog adds nothing): the
// chosen one when it ends in exactly "." and the extension, else that with them added, so that the open
// dialog lists a reading and opening accepts it, and a calendar program takes a ".ics" file for what it is.
[[nodiscard]] QString pathFor(const QString &chosen, QStringView extension = SavedReading::Extension);

struct Result
{
    Outcome outcome = Outcome::Saved;
    int cause = 0;  // for Failed: the system's error number (errno) of the failed step, 0 when unknown
};

// Writes the bytes as SavedReading::writeFile does, after refusing anything but a regular file or a free
// name, and says why when the write fails.
[[nodiscard]] Result write(const QString &path, const QByteArray &bytes);

// The message for a result other than Saved, naming what was to be saved and the path (and the folder, or
// the system's cause, where that is what went wrong).
[[nodiscard]] QString failureMessage(const Result &result, const QString &path, Content content = Content::Reading);

// The question asked before the file at the path is replaced.
[[nodiscard]] QString replaceQuestion(const QString &path);

}  // namespace SaveTarget
