// The formats fuzz target's check of one input: every reader beside .pal gives
// palettes or an error with a place, and what it reads writes out in every format and reads
// back the same.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Empty when every check holds, otherwise a description of the first one that failed. The
// folder is unused: the formats are read and written in memory.
std::string CheckFormatsInput(std::string_view bytes, const std::filesystem::path& folder);
