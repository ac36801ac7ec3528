// tintora-cli render FILE [--palette NAME|--index N] [--background light|dark] -o OUT.png:
// a PNG of one palette as the editor shows it. The only command that needs Qt; it is built
// into tintora-cli only together with the editor.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/command_table.h"

struct RenderRequest {
    std::string file;
    std::optional<std::string> paletteName; // the first palette of this name
    std::optional<int> index;               // position in the file, counted from 0
    bool dark = false;
    std::string output;
};

int RenderPaletteFile(const RenderRequest& request, std::ostream& err);

void AddRenderCommand(CommandTable& table);
