// BuildLogPalette.
#include "model/log_palette.h"

#include <new>

std::unique_ptr<LOGPALETTE> BuildLogPalette(const std::array<COLORREF, 256>& colours) {
    std::unique_ptr<LOGPALETTE> record(new (std::nothrow) LOGPALETTE{});
    if (!record) {
        return nullptr;
    }
    record->palVersion = 0x300;
    record->palNumEntries = 256;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        record->palPalEntry[i] = {static_cast<std::uint8_t>(RedOf(colours[i])),
                                  static_cast<std::uint8_t>(GreenOf(colours[i])),
                                  static_cast<std::uint8_t>(BlueOf(colours[i])), 0};
    }
    return record;
}
