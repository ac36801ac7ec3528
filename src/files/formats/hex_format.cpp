// The hex colour list reader and writer.
#include "files/formats/hex_format.h"

#include <string>
#include <vector>

#include "files/formats/text_lines.h"

namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

} // namespace

FormatReadResult ReadHexPalette(const ByteSource& source, const CString& name) {
    FormatReadResult result;
    if (const std::string problem = UnstorableTextProblem(name); !problem.empty()) {
        result.error = "file name: " + problem;
        return result;
    }
    std::vector<COLORREF> rows;
    std::size_t extra = 0;
    std::size_t lineOfPen256 = 0;
    TextLines lines(source);
    std::string_view line;
    while (lines.Next(line)) {
        const std::string_view text = Trimmed(line);
        if (text.empty()) {
            continue;
        }
        const std::optional<COLORREF> colour = ParseHexColour(text, true);
        if (!colour) {
            result.error = "line " + std::to_string(lines.Number()) + ": not a rrggbb colour";
            return result;
        }
        // Colours past the 255th are only counted, however many there are.
        if (rows.size() < kPenCount) {
            rows.push_back(*colour);
        } else {
            ++extra;
        }
        if (rows.size() == kPenCount && lineOfPen256 == 0) {
            lineOfPen256 = lines.Number();
        }
    }
    if (!lines.Error().empty()) {
        result.error = lines.Error();
        return result;
    }
    if (rows.empty()) {
        result.error = "line 1: no colours (one rrggbb per line)";
        return result;
    }
    result.palettes.push_back(PaletteFromColourRows(name, L"Imported hex colour list", rows,
                                                    "line " + std::to_string(lineOfPen256),
                                                    result.warnings, extra));
    return result;
}

bool WriteHexPalette(const PaletteEntry& palette, int variant, const ByteSink& sink) {
    std::string text;
    for (int pen = 1; pen < kPenCount; ++pen) {
        text += ColourHex(palette.m_Colours[variant][pen], false);
        text += '\n';
    }
    return sink(text);
}
