// tintora-cli check FILE: reports, compiler style, what the editor would ignore or change
// when reading FILE.
#pragma once

#include <ostream>
#include <string>

#include "cli/command_table.h"

// Exit 0 when there is nothing to report, 1 when there is, 2 when FILE cannot be read.
int CheckPaletteFileCommand(const std::string& file, std::ostream& out, std::ostream& err);

void AddCheckCommand(CommandTable& table);
