// Checking a palette file: everything the reader silently ignores or changes when it reads
// a hand-edited file, each with the line it is on.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string_view>

#include "shared/cstring.h"

// An error loses what was written (the editor drops the line, or cannot open the file); a
// warning says the editor reads it, but not as it may have been meant.
enum class FindingKind { Warning, Error };

struct PaletteFinding {
    std::size_t line = 0; // counted from 1; 0 when the finding is about the whole file
    FindingKind kind = FindingKind::Warning;
    CString message;

    friend bool operator==(const PaletteFinding&, const PaletteFinding&) = default;
};

// Receives each finding as soon as it is found, so that the findings are never held
// together. They come in line order, except that a palette's unlisted pens are reported
// (at its header line) once its end is known.
using FindingSink = std::function<void(const PaletteFinding&)>;

// Checks a file's bytes; returns the number of findings.
std::size_t CheckPaletteText(std::string_view bytes, const FindingSink& sink);

// Checks what file holds from its current position, a line at a time; nullopt when
// reading fails part-way.
std::optional<std::size_t> CheckPaletteStream(std::FILE* file, const FindingSink& sink);
