// The formats fuzz target's checks.
#include "formats_check.h"

#include "files/formats/foreign_palettes.h"
#include "files/formats/json_format.h"
#include "shared/text_encoding.h"

namespace {

std::string Written(PaletteFormat format, const PaletteEntry& palette) {
    std::string text;
    WriteForeignPalette(format, palette, kLightBackground, [&text](std::string_view bytes) {
        text += bytes;
        return true;
    });
    return text;
}

// What reading one palette's own output must give back: everything for JSON, the name and
// pens 1 to 255 of the written variant for GIMP.
std::string CheckWrittenReadsBack(PaletteFormat format, const PaletteEntry& palette) {
    const FormatReadResult back = ReadForeignPalettes(format, Written(format, palette), L"x");
    if (!back.Ok() || back.palettes.size() != 1) {
        return "its own output is refused: " + back.error;
    }
    const PaletteEntry& read = *back.palettes[0];
    if (format == PaletteFormat::Json) {
        return read.m_Name == palette.m_Name && read.m_Description == palette.m_Description &&
                       read.m_Colours == palette.m_Colours
                   ? ""
                   : "JSON does not read back the same";
    }
    for (int pen = 1; pen < kPenCount; ++pen) {
        if (read.m_Colours[kLightBackground][pen] != palette.m_Colours[kLightBackground][pen]) {
            return "GIMP does not read back pen " + std::to_string(pen);
        }
    }
    // The name line is written with line breaks and C1 controls spelled out, read without
    // the blanks around it, and an empty one is no name.
    const CString name = FromUtf8(VisibleUtf8(palette.m_Name));
    const std::size_t first = name.find_first_not_of(L" \t");
    const CString trimmed = first == CString::npos
                                ? CString()
                                : name.substr(first, name.find_last_not_of(L" \t") - first + 1);
    return trimmed.empty() || read.m_Name == trimmed ? "" : "GIMP changes the name";
}

} // namespace

std::string CheckFormatsInput(std::string_view bytes, const std::filesystem::path& /*folder*/) {
    for (const PaletteFormat format :
         {PaletteFormat::Json, PaletteFormat::Gpl, PaletteFormat::Hex}) {
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
                !UnstorableTextProblem(palette->m_Description).empty()) {
                return "format " + name + ": a text a palette file cannot hold";
            }
            for (const PaletteFormat out : {PaletteFormat::Json, PaletteFormat::Gpl}) {
                if (std::string failure = CheckWrittenReadsBack(out, *palette); !failure.empty()) {
                    return "format " + name + ": " + failure;
                }
            }
        }
    }
    return {};
}
