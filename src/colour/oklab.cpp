#include "colour/oklab.h"

#include <cmath>
#include <numbers>

namespace {

using Matrix = double[3][3];

// Ottosson's matrices recomputed in double precision from the exact sRGB and D65 values, so
// that white has L = 1 and every grey has exactly no chroma.
constexpr Matrix kXyzToLms = {{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                              {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                              {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}};
constexpr Matrix kLmsToLab = {{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                              {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                              {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}};
constexpr Matrix kLabToLms = {{1.0, 0.3963377773761749, 0.2158037573099136},
                              {1.0, -0.1055613458156586, -0.0638541728258133},
                              {1.0, -0.0894841775298119, -1.2914855480194092}};
constexpr Matrix kLmsToXyz = {{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                              {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                              {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}};

struct Vec {
    double v[3];
};

Vec Multiply(const Matrix& m, const Vec& x) {
    Vec out{};
    for (int row = 0; row < 3; ++row) {
        out.v[row] = m[row][0] * x.v[0] + m[row][1] * x.v[1] + m[row][2] * x.v[2];
    }
    return out;
}

constexpr double kDegrees = 180.0 / std::numbers::pi;

bool InGamut(const LinearRgb& c) {
    constexpr double tolerance = 1e-7;
    auto inside = [](double v) { return v >= -tolerance && v <= 1.0 + tolerance; };
    return inside(c.r) && inside(c.g) && inside(c.b);
}

} // namespace

Oklab XyzToOklab(const Xyz& xyz) {
    Vec lms = Multiply(kXyzToLms, {{xyz.x, xyz.y, xyz.z}});
    for (double& v : lms.v) {
        v = std::cbrt(v);
    }
    const Vec lab = Multiply(kLmsToLab, lms);
    return {lab.v[0], lab.v[1], lab.v[2]};
}

Xyz OklabToXyz(const Oklab& lab) {
    Vec lms = Multiply(kLabToLms, {{lab.L, lab.a, lab.b}});
    for (double& v : lms.v) {
        v = v * v * v;
    }
    const Vec xyz = Multiply(kLmsToXyz, lms);
    return {xyz.v[0], xyz.v[1], xyz.v[2]};
}

Oklab LinearToOklab(const LinearRgb& linear) {
    return XyzToOklab(LinearToXyz(linear));
}

LinearRgb OklabToLinear(const Oklab& lab) {
    return XyzToLinear(OklabToXyz(lab));
}

Oklch ToOklch(const Oklab& lab) {
    double hue = std::atan2(lab.b, lab.a) * kDegrees;
    if (hue < 0.0) {
        hue += 360.0;
    }
    return {lab.L, std::hypot(lab.a, lab.b), hue};
}

Oklab FromOklch(const Oklch& lch) {
    const double radians = lch.h / kDegrees;
    return {lch.L, lch.C * std::cos(radians), lch.C * std::sin(radians)};
}

double DeltaEOk(const Oklab& first, const Oklab& second) {
    return std::sqrt((first.L - second.L) * (first.L - second.L) +
                     (first.a - second.a) * (first.a - second.a) +
                     (first.b - second.b) * (first.b - second.b));
}

LinearRgb MapIntoSrgb(const Oklch& lch) {
    if (lch.L >= 1.0) {
        return {1.0, 1.0, 1.0};
    }
    if (lch.L <= 0.0) {
        return {0.0, 0.0, 0.0};
    }
    const LinearRgb origin = OklabToLinear(FromOklch(lch));
    if (InGamut(origin)) {
        return origin;
    }
    // The just noticeable difference in OKLab, and the precision of the chroma search.
    constexpr double jnd = 0.02;
    constexpr double epsilon = 0.0001;
    Oklch current = lch;
    auto clippedOf = [](const Oklch& colour, double& difference) {
        const Oklab lab = FromOklch(colour);
        const LinearRgb clipped = ClipLinear(OklabToLinear(lab));
        difference = DeltaEOk(LinearToOklab(clipped), lab);
        return clipped;
    };
    double difference = 0.0;
    LinearRgb clipped = clippedOf(current, difference);
    if (difference < jnd) {
        return clipped;
    }
    double low = 0.0;
    double high = lch.C;
    bool lowInGamut = true;
    while (high - low > epsilon) {
        current.C = (low + high) / 2.0;
        if (lowInGamut && InGamut(OklabToLinear(FromOklch(current)))) {
            low = current.C;
            continue;
        }
        clipped = clippedOf(current, difference);
        if (difference < jnd) {
            if (jnd - difference < epsilon) {
                return clipped;
            }
            lowInGamut = false;
            low = current.C;
        } else {
            high = current.C;
        }
    }
    return clipped;
}
