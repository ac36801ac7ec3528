#include "colour/contrast.h"

#include <algorithm>

double RelativeLuminance(const LinearRgb& linear) {
    return 0.2126 * linear.r + 0.7152 * linear.g + 0.0722 * linear.b;
}

double RelativeLuminance(COLORREF colour) {
    return RelativeLuminance(ToLinear(colour));
}

double ContrastRatioOfLuminances(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double ContrastRatio(COLORREF a, COLORREF b) {
    return ContrastRatioOfLuminances(RelativeLuminance(a), RelativeLuminance(b));
}
