// tintora-cli default FILE: writes the built-in default palette as a palette file.
#pragma once

#include <ostream>
#include <string>

#include "cli/command_table.h"
#include "cli/lock_option.h"

int WriteDefaultPalette(const std::string& file, const LockTimeout& timeout, std::ostream& err);

void AddDefaultCommand(CommandTable& table);
