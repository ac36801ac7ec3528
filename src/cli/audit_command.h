// tintora-cli audit FILE [--palette NAME | --index N] [--pens LIST] [--min-contrast R]
// [--min-difference D] [--light-background COLOUR] [--dark-background COLOUR] [--json]:
// the pens of one palette that hardly stand out from their background or look alike.
#pragma once

#include <ostream>
#include <string>

#include "cli/colour_options.h"
#include "cli/command_table.h"
#include "cli/palette_choice.h"

struct AuditRequest {
    std::string file;
    PaletteChoice choice;
    std::string pens = "1-255";
    double minDifference = 2.0;
    ColourOptions colours;
    bool json = false;
};

// 0 with no findings, 1 with findings, 2 when the file or the palette cannot be read.
int AuditPaletteFile(const AuditRequest& request, std::ostream& out, std::ostream& err);

void AddAuditCommand(CommandTable& table);
