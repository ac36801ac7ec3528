// GIMP palettes (.gpl): a "GIMP Palette" line, "Name:" and "Columns:" lines, "#" comments,
// then one "R G B name" row per colour. Row k is pen k.
#pragma once

#include <string_view>

#include "files/formats/palette_format.h"

// One palette named by the "Name:" line, else fallbackName (the file's name without its
// extension). Its description is the first non-empty comment, so that a palette written
// here comes back with its own; without one it says where the palette came from. Lines are
// those of text_lines.h; a palette without a colour row is refused.
FormatReadResult ReadGplPalette(const ByteSource& source, const CString& fallbackName);

// Pens 1 to 255 of one variant as rows "R G B<TAB>Pen k", after the header and the
// description as a comment. Control characters in the texts are spelled out (VisibleUtf8). A
// palette without a name is named fileName, as GIMP cannot use a palette named "".
bool WriteGplPalette(const PaletteEntry& palette, int variant, const ByteSink& sink,
                     const CString& fileName = CString());
