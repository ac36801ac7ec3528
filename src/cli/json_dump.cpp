// JSON form of a palette list, for tintora-cli dump.
#include "cli/json_dump.h"

#include <array>
#include <cstdio>
#include <utility>

#include <nlohmann/json.hpp>

#include "model/palette_entry.h"
#include "shared/text_encoding.h"

namespace {

// Ordered, so that each palette reads name, description, light, dark as the file lists them.
using Json = nlohmann::ordered_json;

Json ColourArray(const std::array<COLORREF, kPenCount>& colours) {
    Json array = Json::array();
    for (COLORREF colour : colours) {
        array.push_back(ColourHex(colour));
    }
    return array;
}

Json PaletteJson(const PaletteEntry& palette) {
    return Json{
        {"name", ToUtf8(palette.m_Name)},
        {"description", ToUtf8(palette.m_Description)},
        {"light", ColourArray(palette.m_Colours[kLightBackground])},
        {"dark", ColourArray(palette.m_Colours[kDarkBackground])},
    };
}

} // namespace

std::string ColourHex(COLORREF colour) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    return text.data();
}

void WritePaletteJson(const UI_LIST& list, std::ostream& out) {
    Json palettes = Json::array();
    for (const UI_ELEMENT* element = list.First(); element != nullptr; element = element->Next()) {
        if (const auto* palette = dynamic_cast<const PaletteEntry*>(element)) {
            palettes.push_back(PaletteJson(*palette));
        }
    }
    const Json document{{"palettes", std::move(palettes)}};
    // Names decode from every byte, so the text is valid UTF-8; should that ever not hold,
    // replace the bad bytes rather than fail half-way through the output.
    out << document.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}
