// The palette file fuzz target's check of one input: whatever the bytes, reading gives a
// clear result, and a list that was read writes out and reads back as the same palettes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Runs the reader and writer on bytes, using files in folder. Empty when every check
// holds, otherwise a description of the first one that failed.
std::string CheckPaletteFileInput(std::string_view bytes, const std::filesystem::path& folder);
