// The JASC palette reader and writer.
#include "files/formats/jasc_format.h"

#include <algorithm>
#include <array>
#include <charconv>
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

// The whole of text as a number from 0 to limit.
std::optional<int> Number(std::string_view text, int limit) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > limit) {
        return std::nullopt;
    }
    return value;
}

// "R G B" (a fourth number, which some writers add for alpha, is left aside).
std::optional<COLORREF> ColourRow(std::string_view text) {
    std::array<int, 4> values{};
    std::size_t count = 0;
    while (!(text = Trimmed(text)).empty()) {
        const std::size_t end = std::min(text.find_first_of(" \t"), text.size());
        const std::optional<int> value = Number(text.substr(0, end), 255);
        if (!value || count == values.size()) {
            return std::nullopt;
        }
        values[count++] = *value;
        text.remove_prefix(end);
    }
    if (count < 3) {
        return std::nullopt;
    }
    return MakeColour(values[0], values[1], values[2]);
}

} // namespace

FormatReadResult ReadJascPalette(const ByteSource& source, const CString& name) {
    FormatReadResult result;
    const auto fail = [&result](std::size_t line, const std::string& message) {
        result.error = "line " + std::to_string(line) + ": " + message;
        return std::move(result);
    };
    std::vector<COLORREF> rows;
    std::optional<int> count;
    std::size_t lineOfEntry257 = 0;
    TextLines lines(source);
    std::string_view row;
    while ((!count || rows.size() < std::size_t(*count)) && lines.Next(row)) {
        const std::string_view text = Trimmed(row);
        const std::size_t number = lines.Number();
        if (number == 1 && text != kJascMagic) {
            return fail(number, "not a JASC palette (the first line is not \"JASC-PAL\")");
        }
        if (number == 2 && text != "0100") {
            return fail(number, "not a JASC palette of version 0100");
        }
        if (number == 3 && !(count = Number(text, 65535))) {
            return fail(number, "not a count of colours");
        }
        if (number <= 3 || text.empty()) {
            continue;
        }
        const std::optional<COLORREF> colour = ColourRow(text);
        if (!colour) {
            return fail(number, "not a colour row \"R G B\" with components 0 to 255");
        }
        rows.push_back(*colour);
        lineOfEntry257 = rows.size() == kPenCount + 1 ? number : lineOfEntry257;
    }
    if (!lines.Error().empty()) {
        result.error = lines.Error();
        return result;
    }
    const std::size_t line = lines.Number();
    if (!count) {
        return fail(line + 1, "the file ends before the count of colours");
    }
    if (rows.size() < std::size_t(*count)) {
        return fail(line + 1, "the count says " + std::to_string(*count) + " colours, but only " +
                                  std::to_string(rows.size()) + " follow");
    }
    result.palettes.push_back(PaletteFromIndexedRows(name, L"Imported JASC palette", rows,
                                                     "line " + std::to_string(lineOfEntry257),
                                                     result.warnings));
    return result;
}

bool WriteJascPalette(const PaletteEntry& palette, int variant, const ByteSink& sink) {
    std::string text = std::string(kJascMagic) + "\r\n0100\r\n256\r\n";
    for (const COLORREF colour : palette.m_Colours[variant]) {
        text += std::to_string(RedOf(colour)) + ' ' + std::to_string(GreenOf(colour)) + ' ' +
                std::to_string(BlueOf(colour)) + "\r\n";
    }
    return sink(text);
}
