// The texts tintora-cli prints on failure; the palette file texts are the editor's own.
#pragma once

#include <string_view>

inline constexpr std::string_view kOpenFailedMessage = "Failed to open selected palette file";
inline constexpr std::string_view kNoNamesMessage =
    "Failed to read name list from selected palette file";
inline constexpr std::string_view kTooManyPalettesMessage = "more than 100,000 palettes";
// A file that names palettes none of which could be read: rewriting it would lose them.
inline constexpr std::string_view kNoPaletteReadMessage =
    "No palette could be read from selected palette file";
