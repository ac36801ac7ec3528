// How colours look to people with one of the three kinds of dichromacy, simulated on linear
// light with the matrices of Machado, Oliveira and Fernandes (2009) at full severity.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "colour/srgb.h"
#include "model/colour.h"

enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia };

inline constexpr std::array<Vision, 4> kVisions = {Vision::Normal, Vision::Protanopia,
                                                   Vision::Deuteranopia, Vision::Tritanopia};

// Not clipped: the result may leave 0..1.
LinearRgb SimulateLinear(const LinearRgb& linear, Vision vision);
// Simulated, clipped, encoded and rounded; Normal returns colour unchanged.
COLORREF SimulateVision(COLORREF colour, Vision vision);

// "normal", "protanopia", "deuteranopia", "tritanopia".
const char* VisionName(Vision vision);
std::optional<Vision> VisionFromName(std::string_view name);
