// SPDX-License-Identifier: MIT
#include "modHelp.h"

#include "Identity.h"

namespace modHelp {

#define WETONARA_PAGE(key) QStringLiteral(WETONARA_SITE "/wetonara/ssd.php?page=" key)
const QString HomePageAddress = WETONARA_PAGE("home-page");
const QString HelpPageAddress = WETONARA_PAGE("help-web-page");
const QString DownloadPageAddress = WETONARA_PAGE("download-web-page");
const QString DonatePageAddress = WETONARA_PAGE("donate");
const QString CoBrandPageAddress = WETONARA_PAGE("co-brand");
const QString FullyBrandedPageAddress = WETONARA_PAGE("fully-branded");
const QString TarvexSoftwaresPageAddress = WETONARA_PAGE("tarvexsoftwares");
#undef WETONARA_PAGE

void OpenWebAddress(platform::Browser &browser, const QString &address) { browser.open(address); }

void OpenHomePage(platform::Browser &browser) { OpenWebAddress(browser, HomePageAddress); }
void OpenHelpPage(platform::Browser &browser) { OpenWebAddress(browser, HelpPageAddress); }
void OpenDownloadPage(platform::Browser &browser) { OpenWebAddress(browser, DownloadPageAddress); }
void OpenDonatePage(platform::Browser &browser) { OpenWebAddress(browser, DonatePageAddress); }
void OpenCoBrandPage(platform::Browser &browser) { OpenWebAddress(browser, CoBrandPageAddress); }
void OpenFullyBrandedPage(platform::Browser &browser) { OpenWebAddress(browser, FullyBrandedPageAddress); }
void OpenTarvexSoftwaresPage(platform::Browser &browser) { OpenWebAddress(browser, TarvexSoftwaresPageAddress); }

}  // namespace modHelp
