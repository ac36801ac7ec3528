// The audit of a palette: pens that hardly stand out from their background, and pairs of
// pens that look alike, to everyone or to people with a colour-vision deficiency.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "colour/contrast.h"
#include "colour/vision.h"
#include "model/palette_entry.h"

struct AuditOptions {
    std::vector<int> pens; // ascending, no repeats; see UsablePens and ParsePenList
    double minContrast = kLowContrast;
    double minDifference = 2.0; // CIEDE2000
    COLORREF lightBackground = kLightPaper;
    COLORREF darkBackground = kDarkPaper;
};

enum class AuditKind { Contrast, Similar };

struct AuditFinding {
    AuditKind kind = AuditKind::Contrast;
    int variant = kLightBackground;
    int pen = 0;      // the pen, or the lower of the two
    int otherPen = 0; // Similar: the higher of the two
    COLORREF colour = 0;
    COLORREF against = 0;           // Contrast: the background
    double value = 0;               // Contrast: the ratio; Similar: the difference
    Vision vision = Vision::Normal; // Similar: under which vision they look alike
};

// Pens 1 to 255.
std::vector<int> UsablePens();

struct PenListParse {
    std::vector<int> pens; // ascending, no repeats
    std::string error;     // empty when the text was a list
};
// "1-15,69": pen numbers and ranges from 0 to 255, separated by commas.
PenListParse ParsePenList(std::string_view text);

// Per background, light then dark: the pens below the contrast in pen order, then the pairs
// below the difference in pen order, each pair's visions in the order of kVisions.
std::vector<AuditFinding> AuditPalette(const PaletteEntry& palette, const AuditOptions& options);
