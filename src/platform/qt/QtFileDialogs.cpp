// SPDX-License-Identifier: MIT
#include "QtFileDialogs.h"

#include "WindowInFront.h"

#include <QFileDialog>

namespace platform {

// The desktop's dialog where the platform theme offers one (GTK, the portal, KDE), Qt's own elsewhere.
QString QtFileDialogs::openFileName(const FileDialogRequest &request)
{
    return QFileDialog::getOpenFileName(windowInFront(), request.title, QString(), request.filter);
}

QString QtFileDialogs::saveFileName(const FileDialogRequest &request)
{
    return QFileDialog::getSaveFileName(windowInFront(), request.title, QString(), request.filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

}  // namespace platform
