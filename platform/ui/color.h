#pragma once
// Colours as 0xRRGGBB. kColorDefault leaves the colour to the style.

#include <cstdint>

namespace ui {

using Color = uint32_t;

constexpr Color kColorDefault = 0xFF000000u;
constexpr Color kColorBlack = 0x000000u;
constexpr Color kColorWhite = 0xFFFFFFu;
constexpr Color kColorRed = 0xFF0000u;
constexpr Color kColorMaroon = 0x800000u;
constexpr Color kColorLime = 0x00FF00u;
constexpr Color kColorGreen = 0x008000u;
constexpr Color kColorBlue = 0x0000FFu;
constexpr Color kColorNavy = 0x000080u;
constexpr Color kColorYellow = 0xFFFF00u;
constexpr Color kColorOlive = 0x808000u;
constexpr Color kColorGray = 0x808080u;
constexpr Color kColorSilver = 0xC0C0C0u;
// The background of edits and lists.
constexpr Color kColorWindow = 0xFFFFFFu;
// The face colour of buttons and dialogs.
constexpr Color kColorButtonFace = 0xEFEFEFu;

}  // namespace ui
