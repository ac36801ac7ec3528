// Photoshop colour swatches (.aco): big-endian, a version 1 section of colours, optionally
// followed by a version 2 section that repeats them with UTF-16 names.
#pragma once

#include "files/formats/palette_format.h"

// One palette named name (the file's name): colour k of the version 2 section where there is
// one, else of version 1, is pen k in both variants. RGB, HSB, CMYK (with a warning: no colour
// profile), Lab and greyscale colours are read.
FormatReadResult ReadAcoPalette(const ByteSource& source, const CString& name);

// Both sections: pens 1 to 255 of variant as RGB, named "Pen k" in version 2.
bool WriteAcoPalette(const PaletteEntry& palette, int variant, const ByteSink& sink);
