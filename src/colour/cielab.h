// CIELAB relative to sRGB's own D65 white (no chromatic adaptation), and the CIEDE2000
// difference between two such colours (kL = kC = kH = 1).
#pragma once

#include "colour/srgb.h"
#include "model/colour.h"

struct Lab {
    double L, a, b;
};

Lab XyzToLab(const Xyz& xyz);
Lab LinearToLab(const LinearRgb& linear);
Lab ToLab(COLORREF colour);

// About 1 is the smallest difference most people notice side by side.
double Ciede2000(const Lab& first, const Lab& second);
