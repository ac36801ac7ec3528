// Palettes as JSON, the shape tintora-cli dump prints:
// {"palettes":[{"name":…,"description":…,"light":["#rrggbb",…],"dark":[…]}]}
// with 256 colours per variant, pens 0 to 255 in order.
#pragma once

#include <string>
#include <string_view>

#include "files/formats/palette_format.h"
#include "shared/ui_list.h"

// Appends utf8 as a JSON string, quotes included.
void AppendJsonString(std::string& out, std::string_view utf8);

// Writes every palette of list as one line of UTF-8 JSON, a palette at a time, so that the
// output is never held whole.
bool WriteJsonPalettes(const UI_LIST& list, const ByteSink& sink);
// The same document holding one palette.
bool WriteJsonPalette(const PaletteEntry& palette, const ByteSink& sink);

// Reads that shape, a piece of the input at a time. Keys it does not know are skipped (but
// must be valid JSON); a palette needs a name, and a missing description, variant or
// trailing colour keeps the empty text or the default colours. Errors name their place,
// e.g. "palettes[2].light[17]: not a #rrggbb colour".
FormatReadResult ReadJsonPalettes(const ByteSource& source);
