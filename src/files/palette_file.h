// Reading and writing palette files (".pal"): a comment header, then per palette a
// "*NAME,DESCRIPTION" line and one "PenN, R, G, B, R, G, B" line per pen.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shared/cstring.h"
#include "shared/file_io.h"
#include "shared/ui_list.h"

enum class PaletteReadStatus {
    Ok,         // list holds the palettes read (possibly none, when no item could be read)
    OpenFailed, // the file cannot be opened, or has a line too long to read (reason says)
    NoNames,    // the file names no palette
    TooMany,    // the file names more than kMaxPalettes palettes
};

// Each palette takes some kilobytes however short its text; a file of more would exhaust
// memory long before anyone could edit it.
inline constexpr std::size_t kMaxPalettes = 100000;
// Why a file, or a list about to be written, is refused for holding more.
inline constexpr std::string_view kTooManyPalettesText = "more than 100,000 palettes";

struct PaletteReadResult {
    PaletteReadStatus status = PaletteReadStatus::OpenFailed;
    UI_LIST* list = nullptr; // owned by the caller; null unless status is Ok
    std::string reason;      // why it could not be opened, when status is OpenFailed
    // The version read: a later stamp of the path that differs means another program has
    // changed the file since.
    std::optional<FileStamp> stamp;
};

// Builds a new palette list from the file at path, palettes in file order. Running out of
// memory reads as a file that cannot be opened.
PaletteReadResult ReadPaletteFile(const CString& path);

// Writes every palette of list, replacing the file at path. The old file is replaced only
// once the new content is completely on disk; on any failure (cannot create, disk full, a
// character Windows-1252 cannot hold, more palettes than a reader reads back) the old file is
// untouched and false is returned, with the cause in *reason.
bool WritePaletteFile(const CString& path, const UI_LIST& list, std::string* reason = nullptr);

enum class PaletteUpdateStatus {
    Written,
    LockFailed,   // reason says why
    LockTimedOut, // another process held the lock all the time the wait allowed
    ReadFailed,   // read says how
    NoneReadable, // the file names palettes, none of which could be read
    Declined,     // the change wrote nothing
    WriteFailed,  // reason says why
};

struct PaletteUpdateResult {
    PaletteUpdateStatus status = PaletteUpdateStatus::LockFailed;
    PaletteReadStatus read = PaletteReadStatus::Ok;
    std::string reason;
};

// A read-modify-write of the palette file at path under an exclusive lock on the file, from
// the read to the write, so that updates running at once in other processes each build on
// the one before and none is lost. A missing or empty file holds no palettes yet. change
// gets the palettes read and returns false to write nothing. The file is left as it was
// unless the result is Written. wait says how long to wait for another holder of the lock.
PaletteUpdateResult UpdatePaletteFile(const CString& path,
                                      const std::function<bool(UI_LIST& list)>& change,
                                      const LockWait& wait = {});

// The pen a pen line's first field names, read as the reader reads it ("Pen7", "pen 7";
// "Pen" and "Penguin" name pen 0), also when the number lies outside 0-255 and the reader
// ignores the line. Nullopt when the field does not start with "pen" in any case.
std::optional<int> PenNumberOf(std::wstring_view firstField);
