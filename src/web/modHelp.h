// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

#include <QString>

// The maker's pages. Each address is one constant: the site address followed by the page's path.
namespace modHelp {

extern const QString HomePageAddress;
extern const QString HelpPageAddress;
extern const QString DownloadPageAddress;
extern const QString DonatePageAddress;
extern const QString CoBrandPageAddress;
extern const QString FullyBrandedPageAddress;
extern const QString TarvexSoftwaresPageAddress;

// Hands one complete address to the user's browser; nothing is reported either way.
void OpenWebAddress(platform::Browser &browser, const QString &address);

void OpenHomePage(platform::Browser &browser);
void OpenHelpPage(platform::Browser &browser);
void OpenDownloadPage(platform::Browser &browser);
void OpenDonatePage(platform::Browser &browser);
void OpenCoBrandPage(platform::Browser &browser);
void OpenFullyBrandedPage(platform::Browser &browser);
void OpenTarvexSoftwaresPage(platform::Browser &browser);

}  // namespace modHelp
