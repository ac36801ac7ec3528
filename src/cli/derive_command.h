// tintora-cli derive FILE --to dark|light [--palette NAME | --index N] [--min-contrast R]
// [--light-background C] [--dark-background C] [-o OUT] [--lock-timeout SECONDS]: one
// palette's colours for one background made from its colours for the other.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/colour_options.h"
#include "cli/command_table.h"
#include "cli/lock_option.h"
#include "cli/palette_choice.h"

struct DeriveRequest {
    std::string file;
    PaletteChoice choice;
    bool toDark = true;
    ColourOptions colours;
    std::optional<std::string> output; // FILE itself when absent
    LockTimeout lockTimeout;
};

int DerivePaletteFile(const DeriveRequest& request, std::ostream& err);

void AddDeriveCommand(CommandTable& table);
