// Format dispatch for the readers and writers beside .pal.
#include "files/formats/foreign_palettes.h"

#include "files/formats/css_format.h"
#include "files/formats/gpl_format.h"
#include "files/formats/hex_format.h"
#include "files/formats/json_format.h"

FormatReadResult ReadForeignPalettes(PaletteFormat format, std::string_view bytes,
                                     const CString& name) {
    switch (format) {
    case PaletteFormat::Json:
        return ReadJsonPalettes(bytes);
    case PaletteFormat::Gpl:
        return ReadGplPalette(bytes, name);
    case PaletteFormat::Hex:
        return ReadHexPalette(bytes, name);
    default: {
        FormatReadResult refused;
        refused.error = "this format is not read here";
        return refused;
    }
    }
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
