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
#include "files/palette_file.h"

namespace {

FormatReadResult ReadAs(PaletteFormat format, const ByteSource& source, const CString& name) {
    switch (format) {
    case PaletteFormat::Json:
        return ReadJsonPalettes(source);
    case PaletteFormat::Gpl:
        return ReadGplPalette(source, name);
    case PaletteFormat::Hex:
        return ReadHexPalette(source, name);
    case PaletteFormat::Css:
        return ReadCssPalette(source, name);
    case PaletteFormat::Ase:
        return ReadAsePalette(source, name);
    case PaletteFormat::Aco:
        return ReadAcoPalette(source, name);
    case PaletteFormat::Jasc:
        return ReadJascPalette(source, name);
    case PaletteFormat::Riff:
        return ReadRiffPalette(source, name);
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

FormatReadResult ReadForeignPalettes(PaletteFormat format, const ByteSource& source,
                                     const CString& name) {
    FormatReadResult result = ReadAs(format, source, name);
    // The readers of many palettes refuse more as they read (RoomForAnotherPalette); this
    // holds the limit for any reader that does not.
    if (result.palettes.size() > kMaxPalettes) {
        result.palettes.clear();
        result.error = std::string(kTooManyPalettesText);
    }
    MakeTextsStorable(result);
    return result;
}

FormatReadResult ReadForeignPalettes(PaletteFormat format, std::string_view bytes,
                                     const CString& name) {
    return ReadForeignPalettes(format, SourceOf(bytes), name);
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
