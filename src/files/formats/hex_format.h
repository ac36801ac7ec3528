// Hex colour lists (.hex), as colour sites share palettes: one "rrggbb" per line, line k
// is pen k.
#pragma once

#include <string_view>

#include "files/formats/palette_format.h"

// One palette named name. A leading "#" and upper-case digits are accepted; blank lines
// are skipped; lines are those of text_lines.h.
FormatReadResult ReadHexPalette(const ByteSource& source, const CString& name);

// Pens 1 to 255 of one variant, one lower-case "rrggbb" line each.
bool WriteHexPalette(const PaletteEntry& palette, int variant, const ByteSink& sink);
