// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

// Layouts are designed in twips (1/1440 inch); at 96 dots per inch 15 twips make one pixel.
namespace Look {

[[nodiscard]] constexpr int px(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / 15; }
[[nodiscard]] constexpr QRect rect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

inline constexpr QColor PaleYellow{255, 255, 128};
inline constexpr QColor Green{0, 128, 0};
inline constexpr QColor DarkGreen{0, 64, 0};
inline constexpr QColor Blue{0, 0, 255};
inline constexpr QColor Teal{0, 128, 128};
inline constexpr QColor DarkRed{128, 0, 0};
inline constexpr QColor Navy{0, 0, 128};
inline constexpr QColor White{255, 255, 255};
inline constexpr QColor Yellow{255, 255, 0};
inline constexpr QColor Magenta{128, 0, 128};
inline constexpr QColor Black{0, 0, 0};

enum Style { Regular = 0, Bold = 1, Underlined = 2 };

// Verdana is asked for by name; where it is missing fontconfig picks its closest substitute.
[[nodiscard]] QFont verdana(qreal points, int style = Regular);
[[nodiscard]] QFont msSansSerif(qreal points);

// Captions store "&&" for a shown "&"; labels show text literally.
[[nodiscard]] QString shownCaption(const QString &caption);
// The caption as a screen reader should say it: without its access-key marks.
[[nodiscard]] QString spokenCaption(const QString &caption);

// The program's icon, carried by every window.
[[nodiscard]] QIcon programIcon();

}  // namespace Look
