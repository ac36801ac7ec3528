// The built-in default palette's two colour tables, indexed by pen.
#pragma once

#include <array>

#include "model/colour.h"

extern const std::array<COLORREF, 256> DefaultLightColours;
extern const std::array<COLORREF, 256> DefaultDarkColours;
