#include "colour/srgb.h"

#include <algorithm>
#include <array>
#include <cmath>

double SrgbToLinear(double encoded01) {
    if (encoded01 <= 0.04045) {
        return encoded01 / 12.92;
    }
    return std::pow((encoded01 + 0.055) / 1.055, 2.4);
}

double LinearToSrgb(double linear01) {
    if (linear01 <= 0.0031308) {
        return linear01 * 12.92;
    }
    return 1.055 * std::pow(linear01, 1.0 / 2.4) - 0.055;
}

namespace {

// Every 8-bit component's linear value, computed once: audits decode hundreds of colours.
const std::array<double, 256>& LinearTable() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int i = 0; i < 256; ++i) {
            values[static_cast<std::size_t>(i)] = SrgbToLinear(i / 255.0);
        }
        return values;
    }();
    return table;
}

int Encode8(double linear) {
    return static_cast<int>(std::lround(LinearToSrgb(std::clamp(linear, 0.0, 1.0)) * 255.0));
}

// The exact rational form of the sRGB primaries and D65 white, so white maps to white to the
// last bit and greys stay grey in every space built on XYZ.
constexpr double kToXyz[3][3] = {{506752.0 / 1228815.0, 87881.0 / 245763.0, 12673.0 / 70218.0},
                                 {87098.0 / 409605.0, 175762.0 / 245763.0, 12673.0 / 175545.0},
                                 {7918.0 / 409605.0, 87881.0 / 737289.0, 1001167.0 / 1053270.0}};
constexpr double kFromXyz[3][3] = {{12831.0 / 3959.0, -329.0 / 214.0, -1974.0 / 3959.0},
                                   {-851781.0 / 878810.0, 1648619.0 / 878810.0, 36519.0 / 878810.0},
                                   {705.0 / 12673.0, -2585.0 / 12673.0, 705.0 / 667.0}};

} // namespace

LinearRgb ToLinear(COLORREF colour) {
    const auto& table = LinearTable();
    return {table[static_cast<std::size_t>(RedOf(colour))],
            table[static_cast<std::size_t>(GreenOf(colour))],
            table[static_cast<std::size_t>(BlueOf(colour))]};
}

COLORREF FromLinear(const LinearRgb& linear) {
    return MakeColour(Encode8(linear.r), Encode8(linear.g), Encode8(linear.b));
}

LinearRgb ClipLinear(const LinearRgb& linear) {
    return {std::clamp(linear.r, 0.0, 1.0), std::clamp(linear.g, 0.0, 1.0),
            std::clamp(linear.b, 0.0, 1.0)};
}

Xyz LinearToXyz(const LinearRgb& c) {
    const auto& m = kToXyz;
    return {m[0][0] * c.r + m[0][1] * c.g + m[0][2] * c.b,
            m[1][0] * c.r + m[1][1] * c.g + m[1][2] * c.b,
            m[2][0] * c.r + m[2][1] * c.g + m[2][2] * c.b};
}

LinearRgb XyzToLinear(const Xyz& c) {
    const auto& m = kFromXyz;
    return {m[0][0] * c.x + m[0][1] * c.y + m[0][2] * c.z,
            m[1][0] * c.x + m[1][1] * c.y + m[1][2] * c.z,
            m[2][0] * c.x + m[2][1] * c.y + m[2][2] * c.z};
}

Xyz SrgbWhite() {
    return LinearToXyz({1.0, 1.0, 1.0});
}
