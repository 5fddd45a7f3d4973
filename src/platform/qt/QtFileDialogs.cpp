// SPDX-License-Identifier: MIT
#include "QtFileDialogs.h"

#include "FileChooser.h"

#include <QApplication>

namespace platform {
namespace {

QString runDialog(const FileDialogRequest &request, bool saving)
{
    FileChooser dialog(request, saving, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted ? dialog.chosenPath() : QString();
}

}  // namespace

QString QtFileDialogs::openFileName(const FileDialogRequest &request) { return runDialog(request, false); }

QString QtFileDialogs::saveFileName(const FileDialogRequest &request)
{
    // The chooser asks before a file is replaced.
    return runDialog(request, true);
}

}  // namespace platform
