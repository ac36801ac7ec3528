// OKLab and its polar form OKLCH: a space where equal steps look about equally large, used
// to change a colour's lightness while keeping its hue.
#pragma once

#include "colour/srgb.h"

struct Oklab {
    double L, a, b; // L 0 (black) .. 1 (white)
};

struct Oklch {
    double L, C, h; // h in degrees, 0..360
};

Oklab XyzToOklab(const Xyz& xyz);
Xyz OklabToXyz(const Oklab& lab);
Oklab LinearToOklab(const LinearRgb& linear);
LinearRgb OklabToLinear(const Oklab& lab);

Oklch ToOklch(const Oklab& lab);
Oklab FromOklch(const Oklch& lch);

// Euclidean distance in OKLab.
double DeltaEOk(const Oklab& first, const Oklab& second);

// The colour inside the sRGB gamut nearest to lch in look: chroma is reduced at constant
// lightness and hue until clipping what is left changes the colour less than can be seen.
// Lightness 1 or more gives white, 0 or less black.
LinearRgb MapIntoSrgb(const Oklch& lch);
