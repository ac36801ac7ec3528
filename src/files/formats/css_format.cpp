// The CSS reader and writer.
#include "files/formats/css_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string>
#include <vector>

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
    std::string text = ToUtf8(palette.m_Name) + ": " + ToUtf8(palette.m_Description);
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
    FormatReadResult Read(std::string_view bytes, const CString& name);

private:
    bool Step(std::string_view bytes, std::size_t& at);
    bool Declaration();
    bool Fail(std::size_t line, const std::string& message) {
        m_result.error = "line " + std::to_string(line) + ": " + message;
        return false;
    }

    FormatReadResult m_result;
    std::vector<std::string> m_blocks; // the compact preludes of the open blocks
    std::string m_text;                // the text since the last '{', '}' or ';'
    std::size_t m_line = 1;
    std::size_t m_textLine = 1; // where m_text's first visible character is
    bool m_textStarted = false; // whether m_text has one
    std::array<std::array<std::optional<COLORREF>, kPenCount>, 2> m_pens;
    bool m_anyPen = false;
};

FormatReadResult CssReader::Read(std::string_view bytes, const CString& name) {
    for (std::size_t at = 0; at < bytes.size();) {
        if (!Step(bytes, at)) {
            return std::move(m_result);
        }
    }
    if (!m_blocks.empty()) {
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

// Takes one character, comment or quoted string from bytes at at.
bool CssReader::Step(std::string_view bytes, std::size_t& at) {
    const char c = bytes[at];
    if (bytes.substr(at, 2) == "/*" || c == '"' || c == '\'') {
        const bool comment = c == '/';
        std::size_t end = comment ? bytes.find("*/", at + 2) : at + 1;
        while (!comment && end < bytes.size() && bytes[end] != c && bytes[end] != '\n') {
            end += bytes[end] == '\\' ? 2 : 1;
        }
        if (end >= bytes.size() || bytes[end] == '\n') {
            return Fail(m_line, comment ? "a comment is not closed" : "a string is not closed");
        }
        end += comment ? 2 : 1;
        m_line += static_cast<std::size_t>(
            std::count(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
        if (!comment) {
            m_text += bytes.substr(at, end - at);
        }
        at = end;
        return true;
    }
    ++at;
    if (c == '{') {
        m_blocks.push_back(Compact(m_text));
        m_text.clear();
        m_textStarted = false;
    } else if (c == ';' || c == '}') {
        if (!Declaration()) {
            return false;
        }
        m_text.clear();
        m_textStarted = false;
        if (c == '}') {
            if (m_blocks.empty()) {
                return Fail(m_line, "\"}\" without a \"{\" before it");
            }
            m_blocks.pop_back();
        }
    } else {
        if (!m_textStarted && !std::isspace(static_cast<unsigned char>(c))) {
            m_textLine = m_line;
            m_textStarted = true;
        }
        m_text += c;
    }
    m_line += c == '\n' ? 1 : 0;
    return true;
}

// m_text as a declaration: a "--pen-N" of :root, light or dark, is read; anything else is
// some other rule's business.
bool CssReader::Declaration() {
    const bool light = m_blocks == std::vector<std::string>{":root"};
    const bool dark = m_blocks == std::vector<std::string>{std::string(kDarkMedia), ":root"};
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

FormatReadResult ReadCssPalette(std::string_view bytes, const CString& name) {
    return CssReader().Read(bytes, name);
}

bool WriteCssPalette(const PaletteEntry& palette, const ByteSink& sink) {
    std::string text = "/* " + CommentText(palette) + " */\n:root {\n";
    AppendPens(text, palette.m_Colours[kLightBackground], "  ");
    text += "}\n\n@media (prefers-color-scheme: dark) {\n  :root {\n";
    AppendPens(text, palette.m_Colours[kDarkBackground], "    ");
    text += "  }\n}\n";
    return sink(text);
}
