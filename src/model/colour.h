// Colours in the COLORREF layout: red in bits 0-7, green 8-15, blue 16-23, top byte zero.
#pragma once

#include <cstdint>

using COLORREF = std::uint32_t;

// Builds a colour keeping only the low 8 bits of each component (256 gives 0, -1 gives 255).
constexpr COLORREF MakeColour(int red, int green, int blue) {
    return static_cast<COLORREF>(red & 0xFF) | (static_cast<COLORREF>(green & 0xFF) << 8) |
           (static_cast<COLORREF>(blue & 0xFF) << 16);
}
constexpr int RedOf(COLORREF colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int GreenOf(COLORREF colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int BlueOf(COLORREF colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}
