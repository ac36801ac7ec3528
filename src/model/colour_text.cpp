// Colour texts: the "#rrggbb" the clipboard gets and the forms a paste understands.
#include "model/colour_text.h"

#include <array>
#include <cwctype>
#include <string_view>

namespace {

using Text = std::wstring_view;

Text Trimmed(Text text) {
    while (!text.empty() && std::iswspace(static_cast<wint_t>(text.front())) != 0) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::iswspace(static_cast<wint_t>(text.back())) != 0) {
        text.remove_suffix(1);
    }
    return text;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    if (c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    return -1;
}

// Six hex digits as rrggbb, three as rgb (each digit doubled).
std::optional<COLORREF> ParseHex(Text digits) {
    if (digits.size() != 3 && digits.size() != 6) {
        return std::nullopt;
    }
    std::array<int, 6> values{};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        values[i] = HexDigit(digits[i]);
        if (values[i] < 0) {
            return std::nullopt;
        }
    }
    if (digits.size() == 3) {
        return MakeColour(values[0] * 17, values[1] * 17, values[2] * 17);
    }
    return MakeColour(values[0] * 16 + values[1], values[2] * 16 + values[3],
                      values[4] * 16 + values[5]);
}

// Three decimal numbers 0-255, apart by a comma or blanks (or both).
std::optional<COLORREF> ParseTriple(Text text) {
    std::array<int, 3> values{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            const std::size_t start = pos;
            bool comma = false;
            while (pos < text.size() && (text[pos] == L',' || std::iswspace(text[pos]) != 0)) {
                if (text[pos] == L',') {
                    if (comma) {
                        return std::nullopt;
                    }
                    comma = true;
                }
                ++pos;
            }
            if (pos == start) {
                return std::nullopt;
            }
        }
        const std::size_t start = pos;
        int value = 0;
        while (pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9' && pos - start < 3) {
            value = value * 10 + (text[pos] - L'0');
            ++pos;
        }
        if (pos == start || value > 255) {
            return std::nullopt;
        }
        values[i] = value;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return MakeColour(values[0], values[1], values[2]);
}

bool StartsWithNoCase(Text text, Text prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::towlower(static_cast<wint_t>(text[i])) != static_cast<wint_t>(prefix[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

CString FormatHexColour(COLORREF colour) {
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    CString text = L"#";
    for (const int component : {RedOf(colour), GreenOf(colour), BlueOf(colour)}) {
        text += kDigits[component >> 4];
        text += kDigits[component & 0xF];
    }
    return text;
}

std::optional<COLORREF> ParseColourText(const CString& input) {
    Text text = Trimmed(input);
    if (!text.empty() && text.front() == L'#') {
        return ParseHex(text.substr(1));
    }
    if (StartsWithNoCase(text, L"rgb(")) {
        if (text.back() != L')') {
            return std::nullopt;
        }
        return ParseTriple(Trimmed(text.substr(4, text.size() - 5)));
    }
    if (text.size() == 6) {
        if (std::optional<COLORREF> hex = ParseHex(text)) {
            return hex;
        }
    }
    return ParseTriple(text);
}
