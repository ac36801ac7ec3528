// The legacy import fuzz target's check of one input: the INI reader and the import of the
// old colour table take any bytes and give a well-formed palette.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Imports bytes as an INI file kept in folder and looks keys up in it. Empty when every
// check holds, otherwise a description of the first one that failed.
std::string CheckLegacyIniInput(std::string_view bytes, const std::filesystem::path& folder);
