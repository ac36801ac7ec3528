// Reading and writing palette files (".pal"): a comment header, then per palette a
// "*NAME,DESCRIPTION" line and one "PenN, R, G, B, R, G, B" line per pen.
#pragma once

#include <optional>
#include <string_view>

#include "shared/cstring.h"
#include "shared/ui_list.h"

enum class PaletteReadStatus {
    Ok,         // list holds the palettes read (possibly none, when no item could be read)
    OpenFailed, // the file cannot be opened
    NoNames,    // the file names no palette
};

struct PaletteReadResult {
    PaletteReadStatus status = PaletteReadStatus::OpenFailed;
    UI_LIST* list = nullptr; // owned by the caller; null unless status is Ok
};

// Builds a new palette list from the file at path, palettes in file order.
PaletteReadResult ReadPaletteFile(const CString& path);

// Writes every palette of list, replacing the file at path. The old file is replaced only
// once the new content is completely on disk; on any failure (cannot create, disk full, a
// character Windows-1252 cannot hold) the old file is untouched and false is returned.
bool WritePaletteFile(const CString& path, const UI_LIST& list);

// The pen a pen line's first field names, read as the reader reads it ("Pen7", "pen 7";
// "Pen" and "Penguin" name pen 0), also when the number lies outside 0-255 and the reader
// ignores the line. Nullopt when the field does not start with "pen" in any case.
std::optional<int> PenNumberOf(std::wstring_view firstField);
