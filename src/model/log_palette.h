// The LOGPALETTE record painting builds from one 256-colour table.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "model/colour.h"

struct PALETTEENTRY {
    std::uint8_t peRed;
    std::uint8_t peGreen;
    std::uint8_t peBlue;
    std::uint8_t peFlags;
};

struct LOGPALETTE {
    std::uint16_t palVersion;
    std::uint16_t palNumEntries;
    PALETTEENTRY palPalEntry[256];
};

// A new record (version 0x300, 256 entries, flags 0), or null when memory runs out.
std::unique_ptr<LOGPALETTE> BuildLogPalette(const std::array<COLORREF, 256>& colours);
