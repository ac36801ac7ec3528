// Copies of unsaved work kept aside in the recovery folder, one per document: its palettes
// as a palette file, and a short note of which file they belong to, when they were kept and
// which version of that file the work started from. Written through the one writer, so a
// copy is either the old one or the new one, never half of each.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shared/cstring.h"
#include "shared/file_io.h"
#include "shared/ui_list.h"

struct RecoveryCopy {
    CString palettesPath;
    CString notePath;
    CString documentPath;               // the open file; empty for a document never saved
    std::int64_t savedAt = 0;           // seconds since 1970-01-01 UTC
    std::optional<FileStamp> diskStamp; // the file as the work found it
};

// "recovery" in the state folder, ending in a separator.
CString RecoveryFolder();

// Keeps palettes as the copy of documentPath in folder, replacing the copy kept before. The
// copy, or nullopt with the reason.
std::optional<RecoveryCopy> WriteRecoveryCopy(const CString& folder, const CString& documentPath,
                                              const UI_LIST& palettes, std::int64_t savedAt,
                                              const std::optional<FileStamp>& diskStamp,
                                              std::string* reason = nullptr);

// The complete copies in folder, the newest first; a note without its palettes, or one
// that cannot be read, is no copy.
std::vector<RecoveryCopy> FindRecoveryCopies(const CString& folder);

// The copy of documentPath in folder, if there is one.
std::optional<RecoveryCopy> FindRecoveryCopy(const CString& folder, const CString& documentPath);

// Removes the copy: the note first, so a copy is never found half removed.
void RemoveRecoveryCopy(const RecoveryCopy& copy);
