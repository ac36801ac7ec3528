#include "colour/derive.h"

#include <algorithm>
#include <cmath>

#include "colour/oklab.h"

namespace {

COLORREF AtLightness(const Oklch& source, double lightness) {
    return FromLinear(MapIntoSrgb({lightness, source.C, source.h}));
}

} // namespace

COLORREF DeriveColour(COLORREF source, int targetVariant, const DeriveOptions& options) {
    const COLORREF background =
        targetVariant == kDarkBackground ? options.darkBackground : options.lightBackground;
    const Oklch lch = ToOklch(LinearToOklab(ToLinear(source)));
    auto reads = [&](double lightness) {
        return ContrastRatio(AtLightness(lch, lightness), background) >= options.minContrast;
    };
    // Mirrored lightness: a dark pen for paper becomes a light pen for a screen.
    const double mirrored = std::clamp(1.0 - lch.L, 0.0, 1.0);
    if (reads(mirrored)) {
        return AtLightness(lch, mirrored);
    }
    // Whichever of white and black stands out more is the way to move.
    const double extreme =
        ContrastRatio(kLightPaper, background) >= ContrastRatio(kDarkPaper, background) ? 1.0 : 0.0;
    if (!reads(extreme)) {
        return AtLightness(lch, extreme);
    }
    // The nearest lightness that reads, judged on the rounded colour the pen will get.
    double failing = mirrored;
    double passing = extreme;
    for (int step = 0; step < 64 && std::abs(passing - failing) > 1e-9; ++step) {
        const double middle = (failing + passing) / 2.0;
        (reads(middle) ? passing : failing) = middle;
    }
    return AtLightness(lch, passing);
}

void DeriveColours(PaletteEntry& palette, int targetVariant, const DeriveOptions& options) {
    const int sourceVariant = targetVariant == kDarkBackground ? kLightBackground : kDarkBackground;
    auto& target = palette.m_Colours[static_cast<std::size_t>(targetVariant)];
    const auto& source = palette.m_Colours[static_cast<std::size_t>(sourceVariant)];
    for (std::size_t pen = 1; pen < target.size(); ++pen) {
        target[pen] = DeriveColour(source[pen], targetVariant, options);
    }
}
