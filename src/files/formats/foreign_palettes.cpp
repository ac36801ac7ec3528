// Format dispatch for the readers and writers beside .pal.
#include "files/formats/foreign_palettes.h"

#include "files/formats/aco_format.h"
#include "files/formats/ase_format.h"
#include "files/formats/css_format.h"
#include "files/formats/gpl_format.h"
#include "files/formats/hex_format.h"
#include "files/formats/jasc_format.h"
#include "files/formats/json_format.h"
#include "files/formats/palette_names.h"
#include "files/formats/riff_format.h"

namespace {

FormatReadResult ReadAs(PaletteFormat format, std::string_view bytes, const CString& name) {
    switch (format) {
    case PaletteFormat::Json:
        return ReadJsonPalettes(bytes);
    case PaletteFormat::Gpl:
        return ReadGplPalette(bytes, name);
    case PaletteFormat::Hex:
        return ReadHexPalette(bytes, name);
    case PaletteFormat::Css:
        return ReadCssPalette(bytes, name);
    case PaletteFormat::Ase:
        return ReadAsePalette(bytes, name);
    case PaletteFormat::Aco:
        return ReadAcoPalette(bytes, name);
    case PaletteFormat::Jasc:
        return ReadJascPalette(bytes, name);
    case PaletteFormat::Riff:
        return ReadRiffPalette(bytes, name);
    case PaletteFormat::Pal:
        break;
    }
    FormatReadResult refused;
    refused.error = "this format is not read here";
    return refused;
}

} // namespace

PaletteFormat PalFormatOf(std::string_view bytes) {
    if (bytes.starts_with(kJascMagic)) {
        return PaletteFormat::Jasc;
    }
    return LooksLikeRiffPalette(bytes) ? PaletteFormat::Riff : PaletteFormat::Pal;
}

FormatReadResult ReadForeignPalettes(PaletteFormat format, std::string_view bytes,
                                     const CString& name) {
    FormatReadResult result = ReadAs(format, bytes, name);
    MakeTextsStorable(result);
    return result;
}

bool WriteForeignPalette(PaletteFormat format, const PaletteEntry& palette, int variant,
                         const ByteSink& sink, const CString& fileName) {
    switch (format) {
    case PaletteFormat::Json:
        return WriteJsonPalette(palette, sink);
    case PaletteFormat::Gpl:
        return WriteGplPalette(palette, variant, sink, fileName);
    case PaletteFormat::Hex:
        return WriteHexPalette(palette, variant, sink);
    case PaletteFormat::Css:
        return WriteCssPalette(palette, sink);
    case PaletteFormat::Ase:
        return WriteAsePalette(palette, sink);
    case PaletteFormat::Aco:
        return WriteAcoPalette(palette, variant, sink);
    case PaletteFormat::Jasc:
        return WriteJascPalette(palette, variant, sink);
    case PaletteFormat::Riff:
        return WriteRiffPalette(palette, variant, sink);
    case PaletteFormat::Pal:
        break;
    }
    return false;
}
