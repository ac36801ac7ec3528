#include "colour/audit.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "colour/cielab.h"

namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A pen number, or -1 with error set.
int ParsePen(std::string_view text, std::string& error) {
    text = Trimmed(text);
    int pen = -1;
    const auto [end, code] = std::from_chars(text.data(), text.data() + text.size(), pen);
    if (text.empty() || code != std::errc() || end != text.data() + text.size() || pen < 0 ||
        pen >= kPenCount) {
        // Built in a string of its own: GCC 12 warns wrongly about assigning a literal here.
        std::string message(1, '\'');
        message.append(text).append("' is not a pen number from 0 to 255");
        error = std::move(message);
        return -1;
    }
    return pen;
}

// Appends the pens one item ("7" or "1-15") names; false with error set.
bool AddItem(std::string_view item, std::vector<int>& pens, std::string& error) {
    const std::size_t dash = item.find('-');
    const int first = ParsePen(item.substr(0, dash), error);
    if (first < 0) {
        return false;
    }
    const int last =
        dash == std::string_view::npos ? first : ParsePen(item.substr(dash + 1), error);
    if (last < 0) {
        return false;
    }
    if (last < first) {
        std::string message("the range '");
        message.append(Trimmed(item)).append("' runs backwards");
        error = std::move(message);
        return false;
    }
    for (int pen = first; pen <= last; ++pen) {
        pens.push_back(pen);
    }
    return true;
}

using VisionLabs = std::array<Lab, kVisions.size()>;

// Each pen's colour as seen under each vision, simulated on linear light and clipped but not
// rounded, so that rounding does not make two pens equal or unequal.
VisionLabs LabsOf(COLORREF colour) {
    const LinearRgb linear = ToLinear(colour);
    VisionLabs labs{};
    for (std::size_t i = 0; i < kVisions.size(); ++i) {
        labs[i] = LinearToLab(ClipLinear(SimulateLinear(linear, kVisions[i])));
    }
    return labs;
}

void AuditVariant(const PaletteEntry& palette, int variant, COLORREF background,
                  const AuditOptions& options, std::vector<AuditFinding>& findings) {
    const auto& colours = palette.m_Colours[static_cast<std::size_t>(variant)];
    const double backgroundLuminance = RelativeLuminance(background);
    std::vector<VisionLabs> labs;
    labs.reserve(options.pens.size());
    for (const int pen : options.pens) {
        const COLORREF colour = colours[static_cast<std::size_t>(pen)];
        const double ratio =
            ContrastRatioOfLuminances(RelativeLuminance(colour), backgroundLuminance);
        if (ratio < options.minContrast) {
            findings.push_back({AuditKind::Contrast, variant, pen, pen, colour, background, ratio,
                                Vision::Normal});
        }
        labs.push_back(LabsOf(colour));
    }
    // CIEDE2000 is never less than the lightness difference over its weight, which stays
    // below 1.75 for lightness 0..100: pairs further apart in lightness need no full formula.
    const double lightnessApart = 1.75 * options.minDifference;
    for (std::size_t i = 0; i < options.pens.size(); ++i) {
        for (std::size_t j = i + 1; j < options.pens.size(); ++j) {
            for (std::size_t v = 0; v < kVisions.size(); ++v) {
                if (std::fabs(labs[i][v].L - labs[j][v].L) >= lightnessApart) {
                    continue;
                }
                const double difference = Ciede2000(labs[i][v], labs[j][v]);
                if (difference < options.minDifference) {
                    findings.push_back({AuditKind::Similar, variant, options.pens[i],
                                        options.pens[j], 0, 0, difference, kVisions[v]});
                }
            }
        }
    }
}

} // namespace

std::vector<int> UsablePens() {
    std::vector<int> pens;
    for (int pen = 1; pen < kPenCount; ++pen) {
        pens.push_back(pen);
    }
    return pens;
}

PenListParse ParsePenList(std::string_view text) {
    PenListParse result;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = text.substr(start, comma - start);
        if (!AddItem(item, result.pens, result.error)) {
            result.pens.clear();
            return result;
        }
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    std::sort(result.pens.begin(), result.pens.end());
    result.pens.erase(std::unique(result.pens.begin(), result.pens.end()), result.pens.end());
    return result;
}

std::vector<AuditFinding> AuditPalette(const PaletteEntry& palette, const AuditOptions& options) {
    std::vector<AuditFinding> findings;
    AuditVariant(palette, kLightBackground, options.lightBackground, options, findings);
    AuditVariant(palette, kDarkBackground, options.darkBackground, options, findings);
    return findings;
}
