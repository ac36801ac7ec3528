// Colours as text, for the clipboard: "#rrggbb" out, and the forms people copy from other
// programs in.
#pragma once

#include <optional>

#include "model/colour.h"
#include "shared/cstring.h"

// "#rrggbb", lower case.
CString FormatHexColour(COLORREF colour);

// The colour text names, or nullopt. Accepted, with blanks around them ignored:
// "#rrggbb", "#rgb", "rrggbb", "R, G, B", "R G B" and "rgb(R, G, B)", hex digits in either
// case, each decimal component 0 to 255.
std::optional<COLORREF> ParseColourText(const CString& text);
