// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// Where the name typed into a file chooser leads, read against the folder the chooser shows.
struct ChosenPath
{
    enum class Kind {
        Nothing,   // no name typed
        Folder,    // a folder: the chooser goes there
        File,      // the file to open, or a new file to save
        Existing,  // saving over a file that exists: the user is asked first
        Missing,   // a file to open that does not exist, or a save into a missing folder
    };
    Kind kind = Kind::Nothing;
    QString path;
};

// A name without an extension gets defaultSuffix when saving; when opening, only if the name as typed
// does not exist and the name with the suffix does.
[[nodiscard]] ChosenPath choosePath(const QString &folder, const QString &typed, bool saving,
                                    const QString &defaultSuffix);

}  // namespace platform
