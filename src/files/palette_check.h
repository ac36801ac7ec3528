// Checking a palette file: everything the reader silently ignores or changes when it reads
// a hand-edited file, each with the line it is on.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "shared/cstring.h"

struct PaletteFinding {
    std::size_t line = 0; // counted from 1; 0 when the finding is about the whole file
    CString message;

    friend bool operator==(const PaletteFinding&, const PaletteFinding&) = default;
};

// The findings on a file's bytes, in line order; empty when the file reads exactly as
// written.
std::vector<PaletteFinding> CheckPaletteText(std::string_view bytes);

// The findings on the file at path; nullopt when it cannot be read.
std::optional<std::vector<PaletteFinding>> CheckPaletteFile(const CString& path);
