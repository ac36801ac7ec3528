// tintora-cli convert IN OUT [--palette NAME | --index N] [--background light|dark]
// [--from FMT] [--to FMT]: palettes from one format into another.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/command_table.h"
#include "cli/lock_option.h"
#include "cli/palette_choice.h"

struct ConvertRequest {
    std::string input;
    std::string output;
    PaletteChoice choice;
    bool dark = false;
    std::optional<std::string> from; // format names; the extensions decide when absent
    std::optional<std::string> to;
    LockTimeout lockTimeout;
};

int ConvertPalettes(const ConvertRequest& request, std::ostream& err);

void AddConvertCommand(CommandTable& table);
