// The Photoshop swatch reader and writer.
#include "files/formats/aco_format.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "files/formats/byte_reader.h"
#include "files/formats/foreign_colours.h"

namespace {

enum Space : std::uint16_t { kRgb = 0, kHsb = 1, kCmyk = 2, kLab = 7, kGrey = 8 };

struct Section {
    std::vector<COLORREF> colours;
    std::size_t cmyk = 0;
};

std::string SectionPlace(int version, std::size_t colour) {
    return "version " + std::to_string(version) + " colour " + std::to_string(colour);
}

// The colour of one entry's four values, or nullopt for a space without a conversion.
std::optional<COLORREF> ColourOf(std::uint16_t space, const std::array<std::uint16_t, 4>& v) {
    const auto unit = [](std::uint16_t value) { return value / 65535.0; };
    const auto signedHundredths = [](std::uint16_t value) {
        return static_cast<std::int16_t>(value) / 100.0;
    };
    switch (space) {
    case kRgb:
        return ColourFromUnits(unit(v[0]), unit(v[1]), unit(v[2]));
    case kHsb:
        return ColourFromHsb(unit(v[0]) * 360, unit(v[1]), unit(v[2]));
    case kCmyk: // 0 is full ink, 65535 none
        return ColourFromCmyk(1 - unit(v[0]), 1 - unit(v[1]), 1 - unit(v[2]), 1 - unit(v[3]));
    case kLab:
        return ColourFromLabD50(v[0] / 100.0, signedHundredths(v[1]), signedHundredths(v[2]));
    case kGrey: {
        // 0 to 10000 is the amount of black, as grey is set in the program that made the
        // format (a percentage of ink): 0 is white and 10000 black.
        const double white = 1 - std::min<double>(v[0], 10000) / 10000;
        return ColourFromUnits(white, white, white);
    }
    default:
        return std::nullopt;
    }
}

// One section after its version number; nullopt after setting error.
std::optional<Section> ReadSection(ByteReader& in, int version, std::string& error) {
    const std::optional<std::uint16_t> count = in.U16BE();
    if (!count) {
        error = "version " + std::to_string(version) + ": the file ends before the count";
        return std::nullopt;
    }
    Section section;
    for (std::size_t k = 1; k <= *count; ++k) {
        const std::optional<std::uint16_t> space = in.U16BE();
        std::array<std::uint16_t, 4> values{};
        bool whole = space.has_value();
        for (std::uint16_t& value : values) {
            const std::optional<std::uint16_t> read = in.U16BE();
            whole = whole && read;
            value = read.value_or(0);
        }
        if (whole && version == 2) {
            const std::optional<std::uint32_t> length = in.U32BE();
            whole = length && *length <= in.Left() / 2 && in.Bytes(*length * 2u);
        }
        if (!whole) {
            error = SectionPlace(version, k) + ": the file ends inside this colour";
            return std::nullopt;
        }
        const std::optional<COLORREF> colour = ColourOf(*space, values);
        if (!colour) {
            error = SectionPlace(version, k) + ": colour space " + std::to_string(*space) +
                    " cannot be converted (RGB, HSB, CMYK, Lab and greyscale can)";
            return std::nullopt;
        }
        section.cmyk += *space == kCmyk ? 1 : 0;
        section.colours.push_back(*colour);
    }
    return section;
}

FormatReadResult ReadAco(std::string_view bytes, const CString& name) {
    FormatReadResult result;
    ByteReader in(bytes);
    std::optional<std::uint16_t> version = in.U16BE();
    if (version != 1 && version != 2) {
        result.error = "byte 0: not a Photoshop swatch file (no version 1 or 2 at the start)";
        return result;
    }
    std::optional<Section> section = ReadSection(in, *version, result.error);
    // Version 2 repeats version 1's colours with names; it is read for what a newer writer
    // may have put there alone.
    if (section && *version == 1 && in.Left() >= 2) {
        ByteReader peek = in;
        if (peek.U16BE() == 2) {
            in = peek;
            section = ReadSection(in, 2, result.error);
        }
    }
    if (!section) {
        return result;
    }
    if (section->colours.empty()) {
        result.error = "version " + std::to_string(*version) + ": the file holds no colours";
        return result;
    }
    if (section->cmyk > 0) {
        result.warnings.push_back(std::to_string(section->cmyk) +
                                  (section->cmyk == 1 ? " CMYK colour" : " CMYK colours") +
                                  " converted without a colour profile (R = 255 (1 - C)(1 - K), "
                                  "and so on)");
    }
    result.palettes.push_back(PaletteFromColourRows(
        name, L"Imported Photoshop swatches", section->colours, "colour 256", result.warnings));
    return result;
}

} // namespace

FormatReadResult ReadAcoPalette(const ByteSource& source, const CString& name) {
    return ReadWhole(source, [&name](std::string_view bytes) { return ReadAco(bytes, name); });
}

bool WriteAcoPalette(const PaletteEntry& palette, int variant, const ByteSink& sink) {
    std::string out;
    for (const std::uint16_t version : {1, 2}) {
        AppendNumber(out, version, true);
        AppendNumber<std::uint16_t>(out, kPenCount - 1, true);
        for (int pen = 1; pen < kPenCount; ++pen) {
            const COLORREF colour = palette.m_Colours[variant][pen];
            AppendNumber<std::uint16_t>(out, kRgb, true);
            for (const int channel : {RedOf(colour), GreenOf(colour), BlueOf(colour), 0}) {
                AppendNumber(out, static_cast<std::uint16_t>(channel * 257), true);
            }
            if (version == 2) {
                const std::string name = "Pen " + std::to_string(pen);
                AppendNumber(out, static_cast<std::uint32_t>(name.size() + 1), true);
                out += Utf16BeName(name);
            }
        }
    }
    return sink(out);
}
