// CSS custom properties (.css, written only): --pen-0 to --pen-255 on :root with the light
// colours, and the dark ones for pages shown in a dark colour scheme.
#pragma once

#include "files/formats/palette_format.h"

bool WriteCssPalette(const PaletteEntry& palette, const ByteSink& sink);
