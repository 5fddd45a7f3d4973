// SPDX-License-Identifier: MIT
#pragma once

#include "files/SaveTarget.h"
#include "platform/Platform.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// The one way the windows save a file of the program (a reading, the wetonan): the desktop's save dialog,
// the name completed with the extension, one question about the file that would really be replaced (No
// the default), and the same refusals and messages for whatever cannot be written.
namespace SaveFlow {

struct Services
{
    platform::MessageBoxes &messages;
    platform::FileDialogs &fileDialogs;
};

// The path to write, or an empty text when the user cancelled the dialog or kept the file there. The
// dialog asks nothing: a path where something other than a file stands is returned, for the write to
// refuse with its own message.
[[nodiscard]] QString choosePath(const Services &services, const platform::FileDialogRequest &request,
                                 QStringView extension);

// Writes the bytes; on failure says why, naming what was to be saved.
void write(platform::MessageBoxes &messages, const QString &path, const QByteArray &bytes, SaveTarget::Content content);

}  // namespace SaveFlow
