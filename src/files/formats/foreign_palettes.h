// One door to the formats beside .pal, for the editor and the command line alike.
#pragma once

#include <string_view>

#include "files/formats/palette_format.h"

// Which of the formats that share the ".pal" extension bytes (the start of a file at
// least) hold: JASC, RIFF, or else Tintora's own palette file.
PaletteFormat PalFormatOf(std::string_view bytes);

// The palettes of the input source hands out in format (any but .pal, which is refused with
// an error). name names the palette of a format that holds no name (the file's name). More
// palettes than a palette file may hold are refused, in every format. Names and descriptions
// come back fit for a palette file, with a warning for each one changed.
FormatReadResult ReadForeignPalettes(PaletteFormat format, const ByteSource& source,
                                     const CString& name);
// The same for input held whole.
FormatReadResult ReadForeignPalettes(PaletteFormat format, std::string_view bytes,
                                     const CString& name);

// One palette in format (any but .pal); variant chooses the colours of the formats that hold
// one variant. fileName names a GIMP palette whose own name is empty.
bool WriteForeignPalette(PaletteFormat format, const PaletteEntry& palette, int variant,
                         const ByteSink& sink, const CString& fileName = CString());
