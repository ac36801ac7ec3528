// Palettes in any of the formats tintora-cli knows, read from and written to the files of
// palette_io.h.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/palette_io.h"
#include "files/formats/palette_format.h"

class PaletteEntry;

// The format of path: the one given, else the one its extension names; nullopt after
// reporting that neither says (role is "--from" or "--to", the option that would).
std::optional<PaletteFormat> FormatFor(const std::string& path,
                                       const std::optional<std::string>& given, const char* role,
                                       std::ostream& err);

// The palettes of path in format; null after reporting why there are none. A .pal file
// that holds a JASC or RIFF palette is read as one. Warnings (colours left out, names
// changed) are reported and reading goes on.
PaletteListPtr ReadPalettesAs(const std::string& path, PaletteFormat format, std::ostream& err);

// Writes the palettes of list to path in format: all of them for .pal and JSON, the first
// for the others, whose colours are those of variant where the format holds one variant.
bool WritePalettesAs(const std::string& path, PaletteFormat format, const UI_LIST& list,
                     int variant, std::ostream& err);
