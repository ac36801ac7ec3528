// One door to the formats beside .pal, for the editor and the command line alike.
#pragma once

#include <string_view>

#include "files/formats/palette_format.h"

// The palettes of the input source hands out in format (JSON, GIMP or hex; CSS and .pal are
// refused with an error). name names the palette of a format that holds no name (the
// file's name). More palettes than a palette file may hold are refused, in every format.
FormatReadResult ReadForeignPalettes(PaletteFormat format, const ByteSource& source,
                                     const CString& name);
// The same for input held whole.
FormatReadResult ReadForeignPalettes(PaletteFormat format, std::string_view bytes,
                                     const CString& name);

// One palette in format (JSON, GIMP, hex or CSS); variant chooses the colours of the
// formats that hold one variant.
bool WriteForeignPalette(PaletteFormat format, const PaletteEntry& palette, int variant,
                         const ByteSink& sink);
