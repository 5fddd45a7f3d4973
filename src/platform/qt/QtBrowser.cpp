// SPDX-License-Identifier: MIT
#include "QtBrowser.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

void QtBrowser::open(const QString &address)
{
    // The desktop's launcher starts the browser and returns at once; a refusal is deliberately not reported.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

}  // namespace platform
