#include "colour/cielab.h"

#include <cmath>
#include <numbers>

namespace {

double LabF(double t) {
    constexpr double delta = 6.0 / 29.0;
    if (t > delta * delta * delta) {
        return std::cbrt(t);
    }
    return t / (3.0 * delta * delta) + 4.0 / 29.0;
}

constexpr double kDegrees = 180.0 / std::numbers::pi;

double Radians(double degrees) {
    return degrees / kDegrees;
}

// Hue angle in degrees, 0..360; 0 for a neutral colour.
double HueDegrees(double b, double a) {
    if (a == 0.0 && b == 0.0) {
        return 0.0;
    }
    const double hue = std::atan2(b, a) * kDegrees;
    return hue < 0.0 ? hue + 360.0 : hue;
}

double Pow7Ratio(double c) {
    const double c2 = c * c;
    const double c7 = c2 * c2 * c2 * c;
    return std::sqrt(c7 / (c7 + 6103515625.0)); // 25^7
}

} // namespace

Lab XyzToLab(const Xyz& xyz) {
    static const Xyz white = SrgbWhite();
    const double fx = LabF(xyz.x / white.x);
    const double fy = LabF(xyz.y / white.y);
    const double fz = LabF(xyz.z / white.z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

Lab LinearToLab(const LinearRgb& linear) {
    return XyzToLab(LinearToXyz(linear));
}

Lab ToLab(COLORREF colour) {
    return LinearToLab(ToLinear(colour));
}

double Ciede2000(const Lab& first, const Lab& second) {
    const double cBar = (std::hypot(first.a, first.b) + std::hypot(second.a, second.b)) / 2.0;
    const double g = 0.5 * (1.0 - Pow7Ratio(cBar));
    const double a1 = (1.0 + g) * first.a;
    const double a2 = (1.0 + g) * second.a;
    const double c1 = std::hypot(a1, first.b);
    const double c2 = std::hypot(a2, second.b);
    const double h1 = HueDegrees(first.b, a1);
    const double h2 = HueDegrees(second.b, a2);

    const double dL = second.L - first.L;
    const double dC = c2 - c1;
    double dh = 0.0;
    if (c1 * c2 != 0.0) {
        dh = h2 - h1;
        if (dh > 180.0) {
            dh -= 360.0;
        } else if (dh < -180.0) {
            dh += 360.0;
        }
    }
    const double dH = 2.0 * std::sqrt(c1 * c2) * std::sin(Radians(dh / 2.0));

    const double lBar = (first.L + second.L) / 2.0;
    const double cBarPrime = (c1 + c2) / 2.0;
    double hBar = h1 + h2;
    if (c1 * c2 != 0.0) {
        if (std::fabs(h1 - h2) <= 180.0) {
            hBar /= 2.0;
        } else if (hBar < 360.0) {
            hBar = (hBar + 360.0) / 2.0;
        } else {
            hBar = (hBar - 360.0) / 2.0;
        }
    }
    const double t =
        1.0 - 0.17 * std::cos(Radians(hBar - 30.0)) + 0.24 * std::cos(Radians(2.0 * hBar)) +
        0.32 * std::cos(Radians(3.0 * hBar + 6.0)) - 0.20 * std::cos(Radians(4.0 * hBar - 63.0));
    const double hueOff = (hBar - 275.0) / 25.0;
    const double dTheta = 30.0 * std::exp(-hueOff * hueOff);
    const double rC = 2.0 * Pow7Ratio(cBarPrime);
    const double l50 = (lBar - 50.0) * (lBar - 50.0);
    const double sL = 1.0 + 0.015 * l50 / std::sqrt(20.0 + l50);
    const double sC = 1.0 + 0.045 * cBarPrime;
    const double sH = 1.0 + 0.015 * cBarPrime * t;
    const double rT = -std::sin(Radians(2.0 * dTheta)) * rC;

    const double l = dL / sL;
    const double c = dC / sC;
    const double h = dH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}
