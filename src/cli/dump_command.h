// tintora-cli dump FILE: prints the palettes of a palette file as JSON.
#pragma once

#include <ostream>
#include <string>

#include "cli/command_table.h"

// The palettes of FILE as JSON on standard output.
int DumpPaletteFile(const std::string& file, std::ostream& err);

void AddDumpCommand(CommandTable& table);
