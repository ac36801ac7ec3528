// The GIMP palette reader and writer.
#include "files/formats/gpl_format.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "files/formats/text_lines.h"

#include "shared/text_encoding.h"

namespace {

constexpr std::string_view kMagic = "GIMP Palette";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The next blank-separated word of rest, taken off its front.
std::string_view NextWord(std::string_view& rest) {
    rest = Trimmed(rest);
    std::size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) {
        ++end;
    }
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

std::optional<int> Component(std::string_view word) {
    int value = -1;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < 0 || value > 255) {
        return std::nullopt;
    }
    return value;
}

std::string LinePlace(std::size_t line) {
    return "line " + std::to_string(line);
}

class GplReader {
public:
    FormatReadResult Read(const ByteSource& source, const CString& fallbackName);

private:
    bool ReadLine(std::size_t line, std::string_view text);
    bool Fail(std::size_t line, const std::string& message) {
        m_result.error = LinePlace(line) + ": " + message;
        return false;
    }

    FormatReadResult m_result;
    std::optional<CString> m_name;
    std::optional<CString> m_description;
    std::vector<COLORREF> m_rows; // up to the 256th: those after it are only counted
    std::size_t m_extraRows = 0;
    std::size_t m_lineOfPen256 = 0;
};

FormatReadResult GplReader::Read(const ByteSource& source, const CString& fallbackName) {
    TextLines lines(source);
    std::string_view text;
    while (lines.Next(text)) {
        if (!ReadLine(lines.Number(), text)) {
            return std::move(m_result);
        }
    }
    if (!lines.Error().empty()) {
        m_result.error = lines.Error();
        return std::move(m_result);
    }
    if (lines.Number() == 0) {
        Fail(1, "not a GIMP palette (the file is empty)");
        return std::move(m_result);
    }
    if (m_rows.empty()) {
        Fail(lines.Number(), "no colours (one \"R G B name\" row per colour)");
        return std::move(m_result);
    }
    const bool named = m_name && !m_name->empty();
    CString name = named ? *m_name : fallbackName;
    if (const std::string problem = UnstorableTextProblem(name); !problem.empty()) {
        m_result.error = (named ? "Name: " : "file name: ") + problem;
        return std::move(m_result);
    }
    m_result.palettes.push_back(
        PaletteFromColourRows(std::move(name), m_description.value_or(L"Imported GIMP palette"),
                              m_rows, LinePlace(m_lineOfPen256), m_result.warnings, m_extraRows));
    return std::move(m_result);
}

bool GplReader::ReadLine(std::size_t line, std::string_view text) {
    text = Trimmed(text);
    if (line == 1) {
        return text == kMagic || Fail(line, "not a GIMP palette (the first line is not \"" +
                                                std::string(kMagic) + "\")");
    }
    if (text.empty()) {
        return true;
    }
    if (text.front() == '#') {
        const CString comment = TextFromForeignBytes(Trimmed(text.substr(1)));
        // A comment the palette file cannot hold is no reason to refuse the palette.
        if (!m_description && !comment.empty() && UnstorableTextProblem(comment).empty()) {
            m_description = comment;
        }
        return true;
    }
    if (text.starts_with("Name:")) {
        m_name = TextFromForeignBytes(Trimmed(text.substr(5)));
        return true;
    }
    if (text.starts_with("Columns:")) {
        return true; // only how GIMP lays the colours out
    }
    std::string_view rest = text;
    const std::optional<int> red = Component(NextWord(rest));
    const std::optional<int> green = Component(NextWord(rest));
    const std::optional<int> blue = Component(NextWord(rest));
    if (!red || !green || !blue) {
        return Fail(line, "not a colour row \"R G B name\" with components 0 to 255");
    }
    if (m_rows.size() == kPenCount) {
        ++m_extraRows;
        return true;
    }
    m_rows.push_back(MakeColour(*red, *green, *blue));
    if (m_rows.size() == kPenCount) {
        m_lineOfPen256 = line;
    }
    return true;
}

} // namespace

FormatReadResult ReadGplPalette(const ByteSource& source, const CString& fallbackName) {
    return GplReader().Read(source, fallbackName);
}

bool WriteGplPalette(const PaletteEntry& palette, int variant, const ByteSink& sink,
                     const CString& fileName) {
    const CString& name = palette.m_Name.empty() ? fileName : palette.m_Name;
    std::string text = std::string(kMagic) + "\nName: " + VisibleUtf8(name) + "\nColumns: 16\n# " +
                       VisibleUtf8(palette.m_Description) + "\n";
    for (int pen = 1; pen < kPenCount; ++pen) {
        const COLORREF colour = palette.m_Colours[variant][pen];
        char row[48];
        std::snprintf(row, sizeof row, "%d %d %d\tPen %d\n", RedOf(colour), GreenOf(colour),
                      BlueOf(colour), pen);
        text += row;
    }
    return sink(text);
}
