// The RIFF palette reader and writer.
#include "files/formats/riff_format.h"

#include <string>
#include <vector>

#include "files/formats/byte_reader.h"

bool LooksLikeRiffPalette(std::string_view bytes) {
    return bytes.size() >= 12 && bytes.starts_with("RIFF") && bytes.substr(8, 4) == "PAL ";
}

namespace {

constexpr std::uint16_t kVersion = 0x0300;

std::string BytePlace(std::size_t offset) {
    return "byte " + std::to_string(offset);
}

// The entries of a "data" chunk's bytes; nullopt after setting error.
std::optional<std::vector<COLORREF>> Entries(std::string_view data, std::size_t offset,
                                             std::string& error) {
    ByteReader in(data);
    const std::optional<std::uint16_t> version = in.U16LE();
    const std::optional<std::uint16_t> count = in.U16LE();
    if (!version || !count || *count > in.Left() / 4) {
        error = BytePlace(offset) + ": the \"data\" chunk is shorter than its count of colours";
        return std::nullopt;
    }
    std::vector<COLORREF> entries;
    for (std::uint16_t i = 0; i < *count; ++i) {
        const std::string_view entry = *in.Bytes(4);
        entries.push_back(MakeColour(static_cast<unsigned char>(entry[0]),
                                     static_cast<unsigned char>(entry[1]),
                                     static_cast<unsigned char>(entry[2])));
    }
    return entries;
}

FormatReadResult ReadRiff(std::string_view bytes, const CString& name) {
    FormatReadResult result;
    if (!LooksLikeRiffPalette(bytes)) {
        result.error = "byte 0: not a RIFF palette (no \"RIFF\" ... \"PAL \" header)";
        return result;
    }
    ByteReader in(bytes);
    in.Bytes(12);
    while (in.Left() > 0) {
        const std::size_t offset = in.Offset();
        const std::optional<std::string_view> id = in.Bytes(4);
        const std::optional<std::uint32_t> size = in.U32LE();
        const std::optional<std::string_view> data = size ? in.Bytes(*size) : std::nullopt;
        if (!id || !data) {
            result.error = BytePlace(offset) + ": a chunk runs past the end of the file";
            return result;
        }
        in.Bytes(*size % 2); // chunks are padded to an even length
        if (*id != "data") {
            continue;
        }
        std::optional<std::vector<COLORREF>> entries = Entries(*data, offset, result.error);
        if (!entries) {
            return result;
        }
        result.palettes.push_back(PaletteFromIndexedRows(name, L"Imported RIFF palette", *entries,
                                                         BytePlace(offset) + " entry 257",
                                                         result.warnings));
        return result;
    }
    result.error = BytePlace(in.Offset()) + ": no \"data\" chunk with the colours";
    return result;
}

} // namespace

FormatReadResult ReadRiffPalette(const ByteSource& source, const CString& name) {
    return ReadWhole(source, [&name](std::string_view bytes) { return ReadRiff(bytes, name); });
}

bool WriteRiffPalette(const PaletteEntry& palette, int variant, const ByteSink& sink) {
    constexpr std::uint32_t dataSize = 4 + 4 * kPenCount;
    std::string out = "RIFF";
    AppendNumber<std::uint32_t>(out, 4 + 8 + dataSize, false);
    out += "PAL data";
    AppendNumber(out, dataSize, false);
    AppendNumber(out, kVersion, false);
    AppendNumber<std::uint16_t>(out, kPenCount, false);
    for (const COLORREF colour : palette.m_Colours[variant]) {
        for (const int channel : {RedOf(colour), GreenOf(colour), BlueOf(colour), 0}) {
            out += static_cast<char>(channel);
        }
    }
    return sink(out);
}
