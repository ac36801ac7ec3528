// JASC palettes (.pal): lines "JASC-PAL", "0100", the count, then one "R G B" line per
// entry, ending in CR LF. Entry i is pen i.
#pragma once

#include <string_view>

#include "files/formats/palette_format.h"

constexpr std::string_view kJascMagic = "JASC-PAL";

// One palette named name (the file's name), entry i as pen i in both variants.
FormatReadResult ReadJascPalette(const ByteSource& source, const CString& name);

// 256 entries, pens 0 to 255 of variant.
bool WriteJascPalette(const PaletteEntry& palette, int variant, const ByteSink& sink);
