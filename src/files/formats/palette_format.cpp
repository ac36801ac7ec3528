// Format names, colours in hex and the text rules shared by the formats beside .pal.
#include "files/formats/palette_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <memory>
#include <utility>

#include "files/palette_file.h"
#include "shared/read_limits.h"
#include "shared/text_encoding.h"

namespace {

constexpr std::array<std::pair<std::string_view, PaletteFormat>, 9> kFormatNames = {{
    {"pal", PaletteFormat::Pal},
    {"json", PaletteFormat::Json},
    {"gpl", PaletteFormat::Gpl},
    {"hex", PaletteFormat::Hex},
    {"css", PaletteFormat::Css},
    {"ase", PaletteFormat::Ase},
    {"aco", PaletteFormat::Aco},
    {"jasc", PaletteFormat::Jasc},
    {"riff", PaletteFormat::Riff},
}};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

std::string_view FileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

std::optional<PaletteFormat> FormatFromName(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& [text, format] : kFormatNames) {
        if (lower == text) {
            return format;
        }
    }
    return std::nullopt;
}

std::optional<PaletteFormat> FormatFromPath(std::string_view path) {
    const std::string_view name = FileNameOf(path);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) {
        return std::nullopt;
    }
    // JASC and RIFF palettes are ".pal" files too; "jasc" and "riff" are names, no extensions.
    const std::optional<PaletteFormat> format = FormatFromName(name.substr(dot + 1));
    return format == PaletteFormat::Jasc || format == PaletteFormat::Riff ? std::nullopt : format;
}

std::string StemOf(std::string_view path) {
    const std::string_view name = FileNameOf(path);
    const std::size_t dot = name.find_last_of('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

std::string ColourHex(COLORREF colour, bool withHash) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    return withHash ? text.data() : text.data() + 1;
}

std::optional<COLORREF> ParseHexColour(std::string_view text, bool hashAllowed) {
    if (hashAllowed && !text.empty() && text.front() == '#') {
        text.remove_prefix(1);
    }
    if (text.size() != 6) {
        return std::nullopt;
    }
    std::array<int, 3> components{};
    for (std::size_t i = 0; i < components.size(); ++i) {
        const int high = HexDigit(text[2 * i]);
        const int low = HexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        components[i] = high * 16 + low;
    }
    return MakeColour(components[0], components[1], components[2]);
}

std::string UnstorableTextProblem(const CString& text) {
    // A line feed would end the palette header in the middle; everything else the 8-bit
    // file holds reads back as written.
    if (text.find(L'\n') != CString::npos) {
        return "a line break cannot be stored in a palette file";
    }
    if (const char32_t c = FirstUnencodableWindows1252(text); c != 0) {
        std::array<char, 16> code{};
        std::snprintf(code.data(), code.size(), "U+%04X", static_cast<unsigned>(c));
        return std::string("the character ") + code.data() +
               " cannot be stored in a palette file (Windows-1252)";
    }
    return {};
}

ByteSource SourceOf(std::string_view bytes) {
    return [bytes]() mutable { return std::exchange(bytes, std::string_view()); };
}

ByteSource SourceOf(std::FILE* file) {
    auto buffer = std::make_shared<std::string>(std::size_t{1} << 16, '\0');
    return [file, buffer] {
        return std::string_view(buffer->data(),
                                std::fread(buffer->data(), 1, buffer->size(), file));
    };
}

FormatReadResult ReadWhole(const ByteSource& source,
                           const std::function<FormatReadResult(std::string_view)>& read) {
    std::string bytes;
    for (std::string_view piece = source(); !piece.empty(); piece = source()) {
        if (piece.size() > kMaxBinaryFileBytes - bytes.size()) {
            FormatReadResult refused;
            refused.error = "byte " + std::to_string(kMaxBinaryFileBytes) + ": " +
                            std::string(kBinaryFileTooLong);
            return refused;
        }
        bytes.append(piece);
    }
    return read(bytes);
}

bool RoomForAnotherPalette(FormatReadResult& result, const std::string& place) {
    if (result.palettes.size() < kMaxPalettes) {
        return true;
    }
    if (result.error.empty()) {
        result.error = place + ": " + std::string(kTooManyPalettesText);
    }
    return false;
}

CString TextFromFileName(std::string_view bytes) {
    CString text = FromUtf8(bytes);
    // FromUtf8 keeps each stray byte as U+DC80 to U+DCFF, the byte in its low bits.
    for (wchar_t& c : text) {
        if (c >= 0xDC80 && c <= 0xDCFF) {
            c = DecodeWindows1252(std::string(1, static_cast<char>(c & 0xFF))).front();
        }
    }
    return text;
}

std::string VisibleUtf8(const CString& text) {
    std::string out;
    CString run; // converted whole, as a character may take two wchar_t
    for (const wchar_t c : text) {
        if (c == L'\r' || c == L'\n' || (c >= 0x80 && c <= 0x9F)) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\x%02X", static_cast<unsigned>(c));
            out += ToUtf8(run) + escaped.data();
            run.clear();
        } else {
            run += c;
        }
    }
    return out + ToUtf8(run);
}

CString TextFromForeignBytes(std::string_view bytes) {
    return IsValidUtf8(bytes) ? FromUtf8(bytes) : DecodeWindows1252(bytes);
}

namespace {

std::unique_ptr<PaletteEntry> PaletteFromRows(CString name, CString description,
                                              const std::vector<COLORREF>& rows,
                                              std::size_t firstPen, const std::string& place,
                                              std::vector<std::string>& warnings,
                                              std::size_t counted) {
    auto palette = std::make_unique<PaletteEntry>();
    palette->m_Name = std::move(name);
    palette->m_Description = std::move(description);
    palette->SetDefaultColours();
    const std::size_t used = std::min<std::size_t>(rows.size(), kPenCount - firstPen);
    for (std::size_t k = 0; k < used; ++k) {
        palette->m_Colours[kLightBackground][firstPen + k] = rows[k];
        palette->m_Colours[kDarkBackground][firstPen + k] = rows[k];
    }
    if (rows.size() + counted > used) {
        const std::size_t extra = rows.size() + counted - used;
        const std::string last = firstPen == 0 ? "256th" : "255th";
        warnings.push_back(
            place + ": " + std::to_string(extra) +
            (extra == 1 ? " colour after the " + last + " is ignored"
                        : " colours after the " + last + " are ignored") +
            (firstPen == 0 ? " (pens run from 0 to 255)" : " (pens run from 1 to 255)"));
    }
    return palette;
}

} // namespace

std::unique_ptr<PaletteEntry> PaletteFromColourRows(CString name, CString description,
                                                    const std::vector<COLORREF>& rows,
                                                    const std::string& placeOfPen256,
                                                    std::vector<std::string>& warnings,
                                                    std::size_t counted) {
    return PaletteFromRows(std::move(name), std::move(description), rows, 1, placeOfPen256,
                           warnings, counted);
}

std::unique_ptr<PaletteEntry> PaletteFromIndexedRows(CString name, CString description,
                                                     const std::vector<COLORREF>& rows,
                                                     const std::string& placeOfEntry257,
                                                     std::vector<std::string>& warnings,
                                                     std::size_t counted) {
    return PaletteFromRows(std::move(name), std::move(description), rows, 0, placeOfEntry257,
                           warnings, counted);
}
