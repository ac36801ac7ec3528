// The CSS writer.
#include "files/formats/css_format.h"

#include <string>

#include "shared/text_encoding.h"

namespace {

void AppendPens(std::string& out, const std::array<COLORREF, kPenCount>& colours,
                std::string_view indent) {
    for (int pen = 0; pen < kPenCount; ++pen) {
        out += indent;
        out += "--pen-" + std::to_string(pen) + ": " + ColourHex(colours[pen]) + ";\n";
    }
}

// The palette's name in a comment; "*/" would end the comment early.
std::string CommentText(const PaletteEntry& palette) {
    std::string text = VisibleUtf8(palette.m_Name) + ": " + VisibleUtf8(palette.m_Description);
    for (std::size_t at = text.find("*/"); at != std::string::npos; at = text.find("*/", at)) {
        text.replace(at, 2, "* /");
    }
    return text;
}

} // namespace

bool WriteCssPalette(const PaletteEntry& palette, const ByteSink& sink) {
    std::string text = "/* " + CommentText(palette) + " */\n:root {\n";
    AppendPens(text, palette.m_Colours[kLightBackground], "  ");
    text += "}\n\n@media (prefers-color-scheme: dark) {\n  :root {\n";
    AppendPens(text, palette.m_Colours[kDarkBackground], "    ");
    text += "  }\n}\n";
    return sink(text);
}
