// Windows-1252 and UTF-8 conversions of our wide strings.
#include "shared/text_encoding.h"

#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves undefined map
// to the C1 control of the same number, so that every byte has a character.
constexpr std::array<wchar_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Decoding is a table look-up: palette files of many megabytes pass through here.
constexpr std::array<wchar_t, 256> kDecodeTable = [] {
    std::array<wchar_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        table[byte] =
            byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : static_cast<wchar_t>(byte);
    }
    return table;
}();

// The byte for c, or -1 when Windows-1252 has none.
int EncodeChar(wchar_t c) {
    const auto code = static_cast<char32_t>(c);
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<int>(code);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (static_cast<char32_t>(kHighControls[i]) == code) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

// Bytes that are not valid UTF-8 become U+DC80 to U+DCFF, and go back out as the same byte,
// so that any file name the system hands us survives the round trip.
constexpr char32_t kEscapeBase = 0xDC00;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the valid UTF-8 sequence at bytes[pos] and its code point; 0 when invalid.
std::size_t DecodeUtf8At(std::string_view bytes, std::size_t pos, char32_t& code) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > bytes.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < min || code > 0x10FFFF || surrogate) {
        return 0;
    }
    return length;
}

// The character starting at text[i]: where wchar_t has 16 bits, a surrogate pair makes one.
char32_t CodePointAt(const CString& text, std::size_t i) {
    const auto c = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            return 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
        }
    }
    return c;
}

} // namespace

CString DecodeWindows1252(std::string_view bytes) {
    CString text;
    AssignWindows1252(text, bytes);
    return text;
}

void AssignWindows1252(CString& text, std::string_view bytes) {
    text.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[i] = kDecodeTable[static_cast<unsigned char>(bytes[i])];
    }
}

std::optional<std::string> EncodeWindows1252(const CString& text) {
    std::string bytes(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int byte = EncodeChar(text[i]);
        if (byte < 0) {
            return std::nullopt;
        }
        bytes[i] = static_cast<char>(byte);
    }
    return bytes;
}

char32_t FirstUnencodableWindows1252(const CString& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (EncodeChar(text[i]) < 0) {
            return CodePointAt(text, i);
        }
    }
    return 0;
}

void AppendWide(CString& text, char32_t code) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (code > 0xFFFF) {
            code -= 0x10000;
            text += static_cast<wchar_t>(0xD800 + (code >> 10));
            text += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
            return;
        }
    }
    text += static_cast<wchar_t>(code);
}

std::string ToUtf8(const CString& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = CodePointAt(text, i);
        i += c > 0xFFFF && sizeof(wchar_t) == 2 ? 1 : 0;
        if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
            out += static_cast<char>(c - kEscapeBase);
        } else if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

CString FromUtf8(std::string_view bytes) {
    CString text;
    text.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8At(bytes, pos, code);
        if (length == 0) {
            text += static_cast<wchar_t>(kEscapeBase + static_cast<unsigned char>(bytes[pos]));
            ++pos;
        } else {
            AppendWide(text, code);
            pos += length;
        }
    }
    return text;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8At(bytes, pos, code);
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

bool HasMultiByteUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
        char32_t code = 0;
        if (DecodeUtf8At(bytes, pos, code) > 1) {
            return true;
        }
    }
    return false;
}
