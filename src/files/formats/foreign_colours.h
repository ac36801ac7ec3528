// The colour models of other tools' palettes (CMYK, HSB, CIELAB, grey) as sRGB colours.
#pragma once

#include "model/colour.h"

// Components from 0 to 1 (clamped) as a colour, each rounded to the nearest of 0-255.
COLORREF ColourFromUnits(double red, double green, double blue);
// Ink amounts from 0 to 1, by the plain formula without a colour profile:
// R = 255 (1 - C)(1 - K), and likewise G with M and B with Y.
COLORREF ColourFromCmyk(double cyan, double magenta, double yellow, double black);
// Hue in degrees, saturation and brightness from 0 to 1.
COLORREF ColourFromHsb(double hue, double saturation, double brightness);
// CIELAB with the D50 white (L from 0 to 100), adapted to D65 with the Bradford matrix as
// web browsers do, then encoded as sRGB; colours outside sRGB are clipped.
COLORREF ColourFromLabD50(double lightness, double a, double b);
