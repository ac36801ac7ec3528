// Format dispatch for the readers and writers beside .pal.
#include "files/formats/foreign_palettes.h"

#include "files/formats/css_format.h"
#include "files/formats/gpl_format.h"
#include "files/formats/hex_format.h"
#include "files/formats/json_format.h"
#include "files/palette_file.h"

namespace {

FormatReadResult ReadAnyFormat(PaletteFormat format, const ByteSource& source,
                               const CString& name) {
    switch (format) {
    case PaletteFormat::Json:
        return ReadJsonPalettes(source);
    case PaletteFormat::Gpl:
        return ReadGplPalette(source, name);
    case PaletteFormat::Hex:
        return ReadHexPalette(source, name);
    default: {
        FormatReadResult refused;
        refused.error = "this format is not read here";
        return refused;
    }
    }
}

} // namespace

FormatReadResult ReadForeignPalettes(PaletteFormat format, const ByteSource& source,
                                     const CString& name) {
    FormatReadResult result = ReadAnyFormat(format, source, name);
    // The readers of many palettes refuse more as they read (RoomForAnotherPalette); this
    // holds the limit for any reader that does not.
    if (result.palettes.size() > kMaxPalettes) {
        result.palettes.clear();
        result.error = std::string(kTooManyPalettesText);
    }
    return result;
}

FormatReadResult ReadForeignPalettes(PaletteFormat format, std::string_view bytes,
                                     const CString& name) {
    return ReadForeignPalettes(format, SourceOf(bytes), name);
}

bool WriteForeignPalette(PaletteFormat format, const PaletteEntry& palette, int variant,
                         const ByteSink& sink) {
    switch (format) {
    case PaletteFormat::Json:
        return WriteJsonPalette(palette, sink);
    case PaletteFormat::Gpl:
        return WriteGplPalette(palette, variant, sink);
    case PaletteFormat::Hex:
        return WriteHexPalette(palette, variant, sink);
    case PaletteFormat::Css:
        return WriteCssPalette(palette, sink);
    default:
        return false;
    }
}
