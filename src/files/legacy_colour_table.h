// The colour table of the older product's INI file: section "COLORS", keys pen1 to pen15,
// each "R G B".
#pragma once

#include "model/palette_entry.h"
#include "shared/cstring.h"

// A new palette "Veldra 3" with the default colours, whose pens 1 to 15 (light and dark)
// take the colours of the INI file at iniPath. A file that cannot be read gives black pens.
// The caller owns the result.
PaletteEntry* NewLegacyPalette(const CString& iniPath);
