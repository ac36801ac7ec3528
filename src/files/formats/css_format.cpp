// The CSS reader and writer.
#include "files/formats/css_format.h"

#include <array>
#include <cctype>
#include <charconv>
#include <string>
#include <vector>

#include "files/formats/text_lines.h"
#include "shared/read_limits.h"
#include "shared/text_encoding.h"

namespace {

constexpr std::string_view kDarkMedia = "@media(prefers-color-scheme:dark)";

void AppendPens(std::string& out, const std::array<COLORREF, kPenCount>& colours,
                std::string_view indent) {
    for (int pen = 0; pen < kPenCount; ++pen) {
        out += indent;
        out += "--pen-" + std::to_string(pen) + ": " + ColourHex(colours[pen]) + ";\n";
    }
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The palette's name in a comment: "*/" would end the comment early, and "</" would end an
// HTML <style> element the CSS is pasted into.
std::string CommentText(const PaletteEntry& palette) {
    std::string text = VisibleUtf8(palette.m_Name) + ": " + VisibleUtf8(palette.m_Description);
    ReplaceAll(text, "*/", "* /");
    ReplaceAll(text, "</", "< /");
    return text;
}

// A rule's selector or an at-rule's prelude, lower case and without blanks, so that
// "@media ( prefers-color-scheme : dark )" and kDarkMedia compare equal.
std::string Compact(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return out;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t\r\n\f");
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t\r\n\f") - begin + 1);
}

class CssReader {
public:
    FormatReadResult Read(const ByteSource& source, const CString& name);

private:
    bool ReadLine(std::string_view line);
    bool Character(char c);
    bool Declaration();
    bool InString() const { return m_open == '"' || m_open == '\''; }
    bool Fail(std::size_t line, const std::string& message) {
        m_result.error = "line " + std::to_string(line) + ": " + message;
        return false;
    }

    FormatReadResult m_result;
    // The compact preludes of the two outermost open blocks, and how many blocks are open:
    // a pen is declared at most two blocks deep, so deeper preludes need not be kept.
    std::array<std::string, 2> m_outer;
    std::size_t m_depth = 0;
    std::string m_text; // the text since the last '{', '}' or ';'
    std::size_t m_line = 0;
    std::size_t m_textLine = 1; // where m_text's first visible character is
    bool m_textStarted = false; // whether m_text has one
    char m_open = 0;            // '*' in a comment, the quote in a string, else 0
    std::size_t m_openLine = 0; // where that comment or string began
    std::array<std::array<std::optional<COLORREF>, kPenCount>, 2> m_pens;
    bool m_anyPen = false;
};

FormatReadResult CssReader::Read(const ByteSource& source, const CString& name) {
    TextLines lines(source);
    std::string_view line;
    while (lines.Next(line)) {
        m_line = lines.Number();
        if (!ReadLine(line)) {
            return std::move(m_result);
        }
    }
    if (!lines.Error().empty()) {
        m_result.error = lines.Error();
        return std::move(m_result);
    }
    if (m_open != 0) {
        Fail(m_openLine, m_open == '*' ? "a comment is not closed" : "a string is not closed");
        return std::move(m_result);
    }
    if (m_depth > 0) {
        Fail(m_line, "a block is not closed with \"}\"");
        return std::move(m_result);
    }
    if (!m_anyPen) {
        Fail(1, "no \"--pen-N: #rrggbb\" on :root");
        return std::move(m_result);
    }
    auto palette = std::make_unique<PaletteEntry>();
    palette->m_Name = name;
    palette->m_Description = L"Imported CSS custom properties";
    palette->SetDefaultColours();
    for (std::size_t variant = 0; variant < m_pens.size(); ++variant) {
        for (std::size_t pen = 0; pen < kPenCount; ++pen) {
            palette->m_Colours[variant][pen] =
                m_pens[variant][pen].value_or(palette->m_Colours[variant][pen]);
        }
    }
    m_result.palettes.push_back(std::move(palette));
    return std::move(m_result);
}

// Takes the characters, comments and quoted strings of one line; a comment, or a string whose
// line end is escaped, goes on into the next.
bool CssReader::ReadLine(std::string_view line) {
    bool escapedEnd = false;
    for (std::size_t at = 0; at < line.size() && !escapedEnd;) {
        if (m_open == '*') {
            const std::size_t end = line.find("*/", at);
            m_open = end == std::string_view::npos ? '*' : 0;
            at = end == std::string_view::npos ? line.size() : end + 2;
        } else if (InString()) {
            std::size_t end = at;
            while (end < line.size() && line[end] != m_open) {
                end += line[end] == '\\' ? 2 : 1;
            }
            if (end > line.size()) { // a backslash before the line end
                m_text += line.substr(at);
                m_text += '\n';
                escapedEnd = true;
                continue;
            }
            if (end == line.size()) {
                return Fail(m_openLine, "a string is not closed");
            }
            m_text += line.substr(at, end + 1 - at);
            m_open = 0;
            at = end + 1;
        } else if (line.substr(at, 2) == "/*") {
            m_open = '*';
            m_openLine = m_line;
            at += 2;
        } else if (line[at] == '"' || line[at] == '\'') {
            m_open = line[at];
            m_openLine = m_line;
            m_text += line[at++];
        } else if (!Character(line[at++])) {
            return false;
        }
    }
    if (InString() && !escapedEnd) {
        return Fail(m_openLine, "a string is not closed");
    }
    if (m_text.size() > kMaxLineBytes) {
        return Fail(m_textLine, "a selector or declaration longer than 64 MiB");
    }
    return m_open != 0 || Character('\n');
}

bool CssReader::Character(char c) {
    if (c == '{') {
        if (m_depth < m_outer.size()) {
            m_outer[m_depth] = Compact(m_text);
        }
        ++m_depth;
        m_text.clear();
        m_textStarted = false;
    } else if (c == ';' || c == '}') {
        if (!Declaration()) {
            return false;
        }
        m_text.clear();
        m_textStarted = false;
        if (c == '}') {
            if (m_depth == 0) {
                return Fail(m_line, "\"}\" without a \"{\" before it");
            }
            --m_depth;
        }
    } else {
        if (!m_textStarted && !std::isspace(static_cast<unsigned char>(c))) {
            m_textLine = m_line;
            m_textStarted = true;
        }
        m_text += c;
    }
    return true;
}

// m_text as a declaration: a "--pen-N" of :root, light or dark, is read; anything else is
// some other rule's business.
bool CssReader::Declaration() {
    const bool light = m_depth == 1 && m_outer[0] == ":root";
    const bool dark = m_depth == 2 && m_outer[0] == kDarkMedia && m_outer[1] == ":root";
    const std::string_view text = Trimmed(m_text);
    const std::size_t colon = text.find(':');
    if ((!light && !dark) || colon == std::string_view::npos) {
        return true;
    }
    const std::string_view property = Trimmed(text.substr(0, colon));
    if (!property.starts_with("--pen-")) {
        return true;
    }
    const std::string_view number = property.substr(6);
    int pen = -1;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), pen);
    if (error != std::errc() || end != number.data() + number.size() || pen < 0 ||
        pen >= kPenCount) {
        return true; // not one of ours, such as --pen-size
    }
    const std::string_view value = Trimmed(text.substr(colon + 1));
    const std::optional<COLORREF> colour = ParseHexColour(value, true);
    if (!colour || !value.starts_with('#')) {
        return Fail(m_textLine, std::string(property) + ": not a #rrggbb colour");
    }
    m_pens[dark ? kDarkBackground : kLightBackground][static_cast<std::size_t>(pen)] = *colour;
    m_anyPen = true;
    return true;
}

} // namespace

FormatReadResult ReadCssPalette(const ByteSource& source, const CString& name) {
    return CssReader().Read(source, name);
}

bool WriteCssPalette(const PaletteEntry& palette, const ByteSink& sink) {
    std::string text = "/* " + CommentText(palette) + " */\n:root {\n";
    AppendPens(text, palette.m_Colours[kLightBackground], "  ");
    text += "}\n\n@media (prefers-color-scheme: dark) {\n  :root {\n";
    AppendPens(text, palette.m_Colours[kDarkBackground], "    ");
    text += "  }\n}\n";
    return sink(text);
}
