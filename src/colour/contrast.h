// How well two colours stand apart in lightness, as the web's accessibility guidelines
// (WCAG 2.x) measure it.
#pragma once

#include "colour/srgb.h"
#include "model/colour.h"

inline constexpr double kLowContrast = 3.0;       // below this a pen is "low contrast"
inline constexpr COLORREF kLightPaper = 0xFFFFFF; // default light background (#ffffff)
inline constexpr COLORREF kDarkPaper = 0x000000;  // default dark background (#000000)

double RelativeLuminance(COLORREF colour);
double RelativeLuminance(const LinearRgb& linear);
// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 for equal colours, 21 for black on white.
double ContrastRatio(COLORREF a, COLORREF b);
double ContrastRatioOfLuminances(double a, double b);
