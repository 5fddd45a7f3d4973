// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The program's reversible shift of every character's ANSI (Windows-1252) code by 85, used for the
// saved-reading file and the stored settings.
namespace modHelp {

// Codes 0..170 move up by 85; a character whose code would pass 255 (or that Windows-1252 cannot
// represent) is left out. Texts over 32,767 characters give the empty text.
[[nodiscard]] QString ScrambleText(const QString &text);
// Codes 85..255 move down by 85; a character whose code would fall below 0 is left out.
[[nodiscard]] QString UnscrambleText(const QString &text);

// Whether ScrambleText keeps the character, so that it comes back from UnscrambleText.
[[nodiscard]] bool survivesScrambling(QChar character);

}  // namespace modHelp
