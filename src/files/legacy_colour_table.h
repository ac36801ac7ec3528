// The colour table of the older product's INI file: section "COLORS", keys pen1 to pen15,
// each "R G B".
#pragma once

#include <string>

#include "model/palette_entry.h"
#include "shared/cstring.h"

// A new palette "Veldra 3" with the default colours, whose pens 1 to 15 (light and dark)
// take the colours of the INI file at iniPath. A file that cannot be read gives black pens.
// The caller owns the result.
PaletteEntry* NewLegacyPalette(const CString& iniPath);

// Why the file at iniPath is no colour table to import where any file may be named: it has
// no [COLORS] section, or it is larger than any INI file (read whole, it would take
// gigabytes); empty when it is one.
std::string LegacyColourTableProblem(const CString& iniPath);
