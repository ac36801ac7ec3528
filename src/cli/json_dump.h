// The palettes of a list as JSON: {"palettes":[{"name","description","light","dark"}]}.
#pragma once

#include <ostream>
#include <string>

#include "model/colour.h"
#include "shared/ui_list.h"

// "#rrggbb" in lower-case hex.
std::string ColourHex(COLORREF colour);

// Writes the list as one line of UTF-8 JSON: names and descriptions as text, then for
// each background variant the 256 pen colours in pen order.
void WritePaletteJson(const UI_LIST& list, std::ostream& out);
