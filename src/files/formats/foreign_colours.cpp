// Colour model conversions for the palettes of other tools.
#include "files/formats/foreign_colours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector Times(const Matrix& m, const Vector& v) {
    Vector out{};
    for (std::size_t row = 0; row < 3; ++row) {
        out[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
    }
    return out;
}

int Channel(double unit) {
    // NaN fails both comparisons and ends as 0 rather than as undefined behaviour.
    const double clamped = unit > 0 ? std::min(unit, 1.0) : 0.0;
    return static_cast<int>(std::lround(clamped * 255));
}

double SrgbEncoded(double linear) {
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

} // namespace

COLORREF ColourFromUnits(double red, double green, double blue) {
    return MakeColour(Channel(red), Channel(green), Channel(blue));
}

COLORREF ColourFromCmyk(double cyan, double magenta, double yellow, double black) {
    const auto ink = [](double amount) { return std::clamp(amount, 0.0, 1.0); };
    const double white = 1 - ink(black);
    return ColourFromUnits((1 - ink(cyan)) * white, (1 - ink(magenta)) * white,
                           (1 - ink(yellow)) * white);
}

COLORREF ColourFromHsb(double hue, double saturation, double brightness) {
    const double h = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) / 60.0;
    const double chroma = brightness * saturation;
    const double x = chroma * (1 - std::fabs(std::fmod(h, 2.0) - 1));
    const double m = brightness - chroma;
    const int sector = std::clamp(static_cast<int>(h), 0, 5);
    const std::array<Vector, 6> sectors = {{{chroma, x, 0},
                                            {x, chroma, 0},
                                            {0, chroma, x},
                                            {0, x, chroma},
                                            {x, 0, chroma},
                                            {chroma, 0, x}}};
    const Vector& rgb = sectors[static_cast<std::size_t>(sector)];
    return ColourFromUnits(rgb[0] + m, rgb[1] + m, rgb[2] + m);
}

COLORREF ColourFromLabD50(double lightness, double a, double b) {
    constexpr double kappa = 24389.0 / 27;
    constexpr double epsilon = 216.0 / 24389;
    const double fy = (lightness + 16) / 116;
    const double fx = fy + a / 500;
    const double fz = fy - b / 200;
    const auto inverse = [](double f) {
        return f * f * f > epsilon ? f * f * f : (116 * f - 16) / kappa;
    };
    const double y = lightness > kappa * epsilon ? fy * fy * fy : lightness / kappa;
    const Vector d50White = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
    const Vector xyzD50 = {inverse(fx) * d50White[0], y, inverse(fz) * d50White[2]};
    const Matrix bradfordD50ToD65 = {
        {{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
         {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
         {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
    const Matrix xyzToLinearSrgb = {{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                                     {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                     {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
    const Vector linear = Times(xyzToLinearSrgb, Times(bradfordD50ToD65, xyzD50));
    return ColourFromUnits(SrgbEncoded(linear[0]), SrgbEncoded(linear[1]), SrgbEncoded(linear[2]));
}
