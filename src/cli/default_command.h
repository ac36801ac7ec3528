// tintora-cli default FILE: writes the built-in default palette as a palette file.
#pragma once

#include <ostream>
#include <string>

#include "cli/command_table.h"

int WriteDefaultPalette(const std::string& file, std::ostream& err);

void AddDefaultCommand(CommandTable& table);
