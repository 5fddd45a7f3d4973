// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

class QCoreApplication;

// The language the program speaks to a person. Decided once at start from the desktop's preferred
// languages and carried by the installed translation itself, so a translation that fails to load can
// never leave part of the program in one language and part in another.
namespace InterfaceLanguage {

// Language codes the program has a translation for, besides English (which needs none).
inline const QString Indonesian = QStringLiteral("id");
inline const QString English = QStringLiteral("en");

// The first of the desktop's preferred languages (as QLocale::uiLanguages() lists them, "id-ID", "en_GB",
// ...) that the program speaks; English when it speaks none of them.
[[nodiscard]] QString chooseFor(const QStringList &uiLanguages);

// Where the program's translations are built into it.
inline const QString TranslationFolder = QStringLiteral(":/i18n");

// Loads the translation of the chosen language from the folder into the application; English when it is
// English or when its translation cannot be loaded. Returns the language now spoken.
QString install(QCoreApplication &application, const QStringList &uiLanguages,
                const QString &folder = TranslationFolder);

// The language the installed translation speaks ("en" with none).
[[nodiscard]] QString current();
[[nodiscard]] bool isEnglish();

// A month's name as the person reads it (index 0 for January); the English names are data and stay.
[[nodiscard]] QString shownMonthName(int index);

// A content file (path below content/, e.g. "about.txt") in the current language: its counterpart under
// content/<language>/ when there is one, else the English original. Empty when neither can be read.
[[nodiscard]] QString contentText(QStringView relativePath);
// The same in a given language ("en" for the original).
[[nodiscard]] QString contentTextIn(const QString &language, QStringView relativePath);

}  // namespace InterfaceLanguage
