// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#ifndef WETONARA_SITE_ADDRESS
#error "WETONARA_SITE_ADDRESS comes from the build (CMake cache variable of the same name)"
#endif
#if !defined(WETONARA_VERSION) || !defined(WETONARA_RELEASE_DATE)
#error "WETONARA_VERSION and WETONARA_RELEASE_DATE come from the build (top-level CMakeLists.txt)"
#endif
// What `--version` prints after the program's name: the release and its date.
#define WETONARA_VERSION_AND_DATE WETONARA_VERSION " (" WETONARA_RELEASE_DATE ")"

// The program's names, each kept once.
namespace Identity {

// Title of every message box.
inline const QString ApplicationTitle = QStringLiteral("Wetonara");
// Caption of the entry, result, report and about windows, and heading of the companion screen.
inline const QString VersionCaption = QStringLiteral("Wetonara v" WETONARA_VERSION);
// Name of the desktop entry (without ".desktop"): Wayland shells match the running windows to it.
inline const QString DesktopFileName = QStringLiteral(WETONARA_APP_ID);
// The maker's site, scheme and host without a trailing slash; every page address starts with it.
#define WETONARA_SITE WETONARA_SITE_ADDRESS
inline const QString SiteAddress = QStringLiteral(WETONARA_SITE);

}  // namespace Identity
