// tintora-cli dump FILE: prints the palettes of a palette file as JSON.
#pragma once

#include <ostream>
#include <string>

#include "cli/command_table.h"

int DumpPaletteFile(const std::string& file, std::ostream& out, std::ostream& err);

void AddDumpCommand(CommandTable& table);
