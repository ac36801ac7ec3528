// tintora-cli render FILE [--palette NAME|--index N] [--background light|dark]
// [--vision protanopia|deuteranopia|tritanopia] -o OUT.png:
// a PNG of one palette as the editor shows it. The only command that needs Qt; it is built
// into tintora-cli only together with the editor.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/command_table.h"
#include "cli/palette_choice.h"
#include "colour/vision.h"

struct RenderRequest {
    std::string file;
    PaletteChoice choice;
    bool dark = false;
    Vision vision = Vision::Normal;
    std::string output; // "-" for standard output
};

int RenderPaletteFile(const RenderRequest& request, std::ostream& err);

void AddRenderCommand(CommandTable& table);
