// CSS custom properties (.css): --pen-0 to --pen-255 on :root with the light colours, and
// the dark ones for pages shown in a dark colour scheme.
#pragma once

#include "files/formats/palette_format.h"

// One palette named name (the file's name): "--pen-N: #rrggbb" on :root gives pen N's light
// colour, and on :root inside "@media (prefers-color-scheme: dark)" its dark one. Comments
// and other rules are passed over; pens not given keep the default colours.
FormatReadResult ReadCssPalette(const ByteSource& source, const CString& name);

bool WriteCssPalette(const PaletteEntry& palette, const ByteSink& sink);
