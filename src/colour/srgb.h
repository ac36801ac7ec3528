// sRGB colours as linear light and back, and linear light as CIE XYZ with sRGB's own white.
#pragma once

#include "model/colour.h"

struct LinearRgb {
    double r, g, b; // linear light, 0..1 (may leave 0..1 before clipping)
};

struct Xyz {
    double x, y, z; // the white of sRGB has y = 1
};

double SrgbToLinear(double encoded01);
double LinearToSrgb(double linear01);

LinearRgb ToLinear(COLORREF colour);
// Clips each component to 0..1, encodes it and rounds it to 8 bits.
COLORREF FromLinear(const LinearRgb& linear);
// Each component clipped to 0..1, still linear.
LinearRgb ClipLinear(const LinearRgb& linear);

Xyz LinearToXyz(const LinearRgb& linear);
LinearRgb XyzToLinear(const Xyz& xyz);
// The white point the two functions above map white to and from.
Xyz SrgbWhite();
