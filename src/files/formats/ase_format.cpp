// The Adobe swatch exchange reader and writer.
#include "files/formats/ase_format.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "files/formats/byte_reader.h"
#include "files/formats/foreign_colours.h"

namespace {

constexpr std::string_view kMagic = "ASEF";
constexpr std::uint16_t kGroupStart = 0xC001;
constexpr std::uint16_t kGroupEnd = 0xC002;
constexpr std::uint16_t kColour = 0x0001;

struct Group {
    std::u16string name;
    std::vector<COLORREF> colours;
};

class AseReader {
public:
    FormatReadResult Read(std::string_view bytes, const CString& name);

private:
    bool ReadBlock(ByteReader& in);
    bool ReadColour(ByteReader& block);
    std::optional<std::u16string> ReadName(ByteReader& block);
    std::optional<COLORREF> ReadValues(ByteReader& block, std::string_view model);
    bool Fail(const std::string& message) {
        m_result.error = "block " + std::to_string(m_block) + ": " + message;
        return false;
    }
    std::unique_ptr<PaletteEntry> Palette(const CString& name);

    FormatReadResult m_result;
    std::size_t m_block = 0;
    std::vector<COLORREF> m_all;
    std::vector<Group> m_groups;
    bool m_inGroup = false;
    std::size_t m_loose = 0; // colours outside any group
    std::size_t m_cmyk = 0;
    std::size_t m_firstCmykBlock = 0;
};

FormatReadResult AseReader::Read(std::string_view bytes, const CString& name) {
    ByteReader in(bytes);
    const std::optional<std::string_view> magic = in.Bytes(kMagic.size());
    const std::optional<std::uint32_t> version = in.U32BE();
    const std::optional<std::uint32_t> count = in.U32BE();
    if (magic != kMagic || !version || !count) {
        m_result.error = "byte 0: not an Adobe swatch exchange file (no \"ASEF\" header)";
        return std::move(m_result);
    }
    // The count cannot run the loop past the end: every block takes at least six bytes.
    for (m_block = 1; m_block <= *count; ++m_block) {
        if (!ReadBlock(in)) {
            return std::move(m_result);
        }
    }
    if (m_all.empty()) {
        m_result.error = "block 1: the file holds no colours";
        return std::move(m_result);
    }
    if (m_cmyk > 0) {
        m_result.warnings.push_back(
            "block " + std::to_string(m_firstCmykBlock) + ": " + std::to_string(m_cmyk) +
            (m_cmyk == 1 ? " CMYK colour" : " CMYK colours") +
            " converted without a colour profile (R = 255 (1 - C)(1 - K), and so on)");
    }
    m_result.palettes.push_back(Palette(name));
    return std::move(m_result);
}

std::unique_ptr<PaletteEntry> AseReader::Palette(const CString& name) {
    const CString description = L"Imported Adobe swatches";
    const bool variants = m_groups.size() == 2 && m_loose == 0 && m_groups[0].name == u"Light" &&
                          m_groups[1].name == u"Dark";
    if (!variants) {
        return PaletteFromColourRows(name, description, m_all, "colour 256", m_result.warnings);
    }
    auto palette = PaletteFromColourRows(name, description, m_groups[0].colours,
                                         "group \"Light\", colour 256", m_result.warnings);
    const auto dark = PaletteFromColourRows(name, description, m_groups[1].colours,
                                            "group \"Dark\", colour 256", m_result.warnings);
    palette->m_Colours[kDarkBackground] = dark->m_Colours[kDarkBackground];
    return palette;
}

bool AseReader::ReadBlock(ByteReader& in) {
    const std::optional<std::uint16_t> type = in.U16BE();
    const std::optional<std::uint32_t> length = in.U32BE();
    if (!type || !length) {
        return Fail("the file ends before this block");
    }
    const std::optional<std::string_view> data = in.Bytes(*length);
    if (!data) {
        return Fail("the block's length runs past the end of the file");
    }
    ByteReader block(*data);
    switch (*type) {
    case kGroupStart: {
        std::optional<std::u16string> name = ReadName(block);
        if (!name) {
            return Fail("the group's name runs past the end of its block");
        }
        m_groups.push_back({std::move(*name), {}});
        m_inGroup = true;
        return true;
    }
    case kGroupEnd:
        m_inGroup = false;
        return true;
    case kColour:
        return ReadColour(block);
    default:
        return true; // a kind of block newer than this reader
    }
}

std::optional<std::u16string> AseReader::ReadName(ByteReader& block) {
    const std::optional<std::uint16_t> length = block.U16BE();
    if (!length) {
        return std::nullopt;
    }
    std::u16string name;
    for (std::uint16_t i = 0; i < *length; ++i) {
        const std::optional<std::uint16_t> unit = block.U16BE();
        if (!unit) {
            return std::nullopt;
        }
        name += static_cast<char16_t>(*unit);
    }
    while (!name.empty() && name.back() == u'\0') {
        name.pop_back();
    }
    return name;
}

bool AseReader::ReadColour(ByteReader& block) {
    const std::optional<std::u16string> name = ReadName(block);
    const std::optional<std::string_view> model = name ? block.Bytes(4) : std::nullopt;
    if (!model) {
        return Fail("the colour block ends early");
    }
    const std::optional<COLORREF> colour = ReadValues(block, *model);
    if (!colour) {
        return false;
    }
    // The type (global, spot or normal) that follows does not change the colour.
    m_all.push_back(*colour);
    if (m_inGroup && !m_groups.empty()) {
        m_groups.back().colours.push_back(*colour);
    } else {
        ++m_loose;
    }
    return true;
}

std::optional<COLORREF> AseReader::ReadValues(ByteReader& block, std::string_view model) {
    const std::size_t count = model == "CMYK" ? 4 : model == "Gray" ? 1 : 3;
    if (model != "RGB " && model != "LAB " && count == 3) {
        std::string shown;
        for (const char c : model) {
            shown += c >= ' ' && c <= '~' ? c : '?';
        }
        Fail("unknown colour model \"" + shown + "\"");
        return std::nullopt;
    }
    std::array<double, 4> v{};
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<float> value = block.F32BE();
        if (!value || !std::isfinite(*value)) {
            Fail(value ? "a colour value is not a finite number" : "the colour block ends early");
            return std::nullopt;
        }
        v[i] = *value;
    }
    if (model == "RGB ") {
        return ColourFromUnits(v[0], v[1], v[2]);
    }
    if (model == "Gray") {
        return ColourFromUnits(v[0], v[0], v[0]);
    }
    if (model == "CMYK") {
        if (m_cmyk++ == 0) {
            m_firstCmykBlock = m_block;
        }
        return ColourFromCmyk(v[0], v[1], v[2], v[3]);
    }
    // The format stores L as a fraction (0 to 1), yet some writers store 0 to 100 as in the
    // Lab colour model itself. An L above 1 can only be the latter; on the fraction scale
    // the darkest Lab values of the other would read as near black either way.
    const double lightness = v[0] > 1 ? v[0] : v[0] * 100;
    return ColourFromLabD50(lightness, v[1], v[2]);
}

void AppendBlock(std::string& out, std::uint16_t type, const std::string& data) {
    AppendNumber(out, type, true);
    AppendNumber(out, static_cast<std::uint32_t>(data.size()), true);
    out += data;
}

std::string NameField(const std::string& name) {
    std::string field;
    AppendNumber(field, static_cast<std::uint16_t>(name.size() + 1), true);
    return field + Utf16BeName(name);
}

} // namespace

FormatReadResult ReadAsePalette(const ByteSource& source, const CString& name) {
    return ReadWhole(source,
                     [&name](std::string_view bytes) { return AseReader().Read(bytes, name); });
}

bool WriteAsePalette(const PaletteEntry& palette, const ByteSink& sink) {
    std::string out(kMagic);
    AppendNumber<std::uint32_t>(out, 0x00010000, true); // version 1.0
    AppendNumber<std::uint32_t>(out, 2 * (kPenCount + 1), true);
    for (const int variant : {kLightBackground, kDarkBackground}) {
        AppendBlock(out, kGroupStart, NameField(variant == kLightBackground ? "Light" : "Dark"));
        for (int pen = 1; pen < kPenCount; ++pen) {
            const COLORREF colour = palette.m_Colours[variant][pen];
            std::string data = NameField("Pen " + std::to_string(pen)) + "RGB ";
            for (const int channel : {RedOf(colour), GreenOf(colour), BlueOf(colour)}) {
                AppendNumber(data, std::bit_cast<std::uint32_t>(channel / 255.0f), true);
            }
            AppendNumber<std::uint16_t>(data, 0, true); // global
            AppendBlock(out, kColour, data);
        }
        AppendBlock(out, kGroupEnd, {});
    }
    return sink(out);
}
