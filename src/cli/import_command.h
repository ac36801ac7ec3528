// tintora-cli import INI FILE: appends the colour table of the older product's INI file
// to a palette file as a new palette, creating the palette file when there is none.
#pragma once

#include <ostream>
#include <string>

#include "cli/command_table.h"

int ImportLegacyTable(const std::string& iniFile, const std::string& paletteFile,
                      std::ostream& err);

void AddImportCommand(CommandTable& table);
