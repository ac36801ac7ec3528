// Adobe swatch exchange files (.ase): big-endian blocks of group starts (with a name), group
// ends and colours, each colour with a UTF-16 name, a colour model and a type.
#pragma once

#include "files/formats/palette_format.h"

// One palette named name (the file's name). Groups named "Light" and "Dark", and no colour
// outside them, give the two variants; any other file gives its colours in file order to
// pens 1, 2, 3 ... in both. RGB, grey, CMYK (with a warning: no colour profile) and CIELAB
// colours are read.
FormatReadResult ReadAsePalette(const ByteSource& source, const CString& name);

// Groups "Light" and "Dark", each with pens 1 to 255 as global RGB colours "Pen k".
bool WriteAsePalette(const PaletteEntry& palette, const ByteSink& sink);
