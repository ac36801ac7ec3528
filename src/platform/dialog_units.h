// Dialog units to client pixels, the way the dialog manager converts them for our fixed
// dialog font (base units 6 x 13). Each of x, y, width and height is converted on its own,
// rounding halves up, so a control's pixel size does not depend on where it sits.
#pragma once

#include <QRect>

inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;

// MulDiv(units, base, 4) for x and MulDiv(units, base, 8) for y.
constexpr int DluToPixelsX(int units) {
    return (units * kBaseUnitX * 2 + 4) / 8;
}
constexpr int DluToPixelsY(int units) {
    return (units * kBaseUnitY * 2 + 8) / 16;
}

// A rectangle given as left, top, width, height in dialog units.
QRect DluRectToPixels(int x, int y, int cx, int cy);
