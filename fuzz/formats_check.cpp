// The formats fuzz target's checks.
#include "formats_check.h"

#include "files/formats/foreign_palettes.h"
#include "files/formats/json_format.h"
#include "shared/text_encoding.h"

namespace {

constexpr PaletteFormat kReadable[] = {PaletteFormat::Json, PaletteFormat::Gpl, PaletteFormat::Hex,
                                       PaletteFormat::Css,  PaletteFormat::Ase, PaletteFormat::Aco,
                                       PaletteFormat::Jasc, PaletteFormat::Riff};

// What a writer carries: pens from firstPen, of both variants or of the light one alone.
struct Carried {
    int firstPen;
    bool bothVariants;
};

Carried CarriedBy(PaletteFormat format) {
    switch (format) {
    case PaletteFormat::Json:
    case PaletteFormat::Css:
        return {0, true};
    case PaletteFormat::Ase:
        return {1, true};
    case PaletteFormat::Jasc:
    case PaletteFormat::Riff:
        return {0, false};
    default:
        return {1, false};
    }
}

std::string Written(PaletteFormat format, const PaletteEntry& palette) {
    std::string text;
    WriteForeignPalette(format, palette, kLightBackground, [&text](std::string_view bytes) {
        text += bytes;
        return true;
    });
    return text;
}

// The name line is read without the blanks around it, and an empty one is no name.
CString TrimmedName(const CString& name) {
    const std::size_t first = name.find_first_not_of(L" \t\r");
    return first == CString::npos ? CString()
                                  : name.substr(first, name.find_last_not_of(L" \t\r") - first + 1);
}

// What reading one palette's own output must give back: everything for JSON, the pens the
// format carries for the others, and the name for GIMP.
std::string CheckWrittenReadsBack(PaletteFormat format, const PaletteEntry& palette) {
    const FormatReadResult back = ReadForeignPalettes(format, Written(format, palette), L"x");
    const std::string name = "written as format " + std::to_string(static_cast<int>(format));
    if (!back.Ok() || back.palettes.size() != 1) {
        return name + ", its own output is refused: " + back.error;
    }
    const PaletteEntry& read = *back.palettes[0];
    if (format == PaletteFormat::Json) {
        return read.m_Name == palette.m_Name && read.m_Description == palette.m_Description &&
                       read.m_Colours == palette.m_Colours
                   ? ""
                   : "JSON does not read back the same";
    }
    const Carried carried = CarriedBy(format);
    for (const int variant : {kLightBackground, kDarkBackground}) {
        for (int pen = carried.firstPen; pen < kPenCount; ++pen) {
            if ((variant == kLightBackground || carried.bothVariants) &&
                read.m_Colours[variant][pen] != palette.m_Colours[variant][pen]) {
                return name + ", pen " + std::to_string(pen) + " does not read back";
            }
        }
    }
    // The name line is written with line breaks and C1 controls spelled out.
    const CString trimmed = TrimmedName(FromUtf8(VisibleUtf8(palette.m_Name)));
    return format != PaletteFormat::Gpl || trimmed.empty() || read.m_Name == trimmed
               ? ""
               : "GIMP changes the name";
}

} // namespace

std::string CheckFormatsInput(std::string_view bytes, const std::filesystem::path& /*folder*/) {
    for (const PaletteFormat format : kReadable) {
        const FormatReadResult result = ReadForeignPalettes(format, bytes, L"file");
        const std::string name = std::to_string(static_cast<int>(format));
        if (!result.Ok()) {
            if (!result.palettes.empty() || result.error.find(": ") == std::string::npos) {
                return "format " + name + ": an error without a place, or with palettes";
            }
            continue;
        }
        if (format != PaletteFormat::Json && result.palettes.size() != 1) {
            return "format " + name + ": not exactly one palette";
        }
        for (const auto& palette : result.palettes) {
            if (!UnstorableTextProblem(palette->m_Name).empty() ||
                !UnstorableTextProblem(palette->m_Description).empty() ||
                palette->m_Name.find_first_of(L",#") != CString::npos ||
                palette->m_Description.find(L'#') != CString::npos) {
                return "format " + name + ": a text a palette header cannot hold";
            }
            for (const PaletteFormat out : kReadable) {
                if (std::string failure = CheckWrittenReadsBack(out, *palette); !failure.empty()) {
                    return "format " + name + ": " + failure;
                }
            }
        }
    }
    return {};
}
