// RIFF palettes (.pal): little-endian chunks, "RIFF" size "PAL ", then a "data" chunk with
// the version 0x0300, a count and count entries of red, green, blue and flags. Entry i is
// pen i.
#pragma once

#include "files/formats/palette_format.h"

// True when bytes begin as a RIFF palette does.
bool LooksLikeRiffPalette(std::string_view bytes);

// One palette named name (the file's name), entry i as pen i in both variants. Chunks other
// than "data" are skipped.
FormatReadResult ReadRiffPalette(const ByteSource& source, const CString& name);

// 256 entries, pens 0 to 255 of variant, with flags 0.
bool WriteRiffPalette(const PaletteEntry& palette, int variant, const ByteSink& sink);
