// One background's pen colours made from the other's: each pen keeps its hue and trades its
// lightness for the opposite, then moves only as far as needed to stand out against the new
// background.
#pragma once

#include "colour/contrast.h"
#include "model/colour.h"
#include "model/palette_entry.h"

struct DeriveOptions {
    double minContrast = 4.5;
    COLORREF lightBackground = kLightPaper;
    COLORREF darkBackground = kDarkPaper;
};

// The colour for targetVariant (kLightBackground or kDarkBackground) made from source, the
// pen's colour for the other background. Its contrast against the target background is at
// least minContrast whenever any colour reaches it; otherwise it is the colour (white or
// black) that comes closest. The same inputs always give the same colour.
COLORREF DeriveColour(COLORREF source, int targetVariant, const DeriveOptions& options = {});
// Replaces the targetVariant colours of pens 1-255 from the other variant's; pen 0 untouched.
void DeriveColours(PaletteEntry& palette, int targetVariant, const DeriveOptions& options = {});
