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

// Where the copy of documentPath goes in folder: the path of its note. Named after the
// document, so that work on two files is kept apart; tag tells apart the copies of one
// document that two Tintoras running at once keep.
CString RecoveryNotePath(const CString& folder, const CString& documentPath,
                         const CString& tag = {});

// Keeps palettes as the copy of documentPath whose note is notePath, replacing what was kept
// there before. The copy, or nullopt with the reason.
std::optional<RecoveryCopy> WriteRecoveryCopy(const CString& notePath, const CString& documentPath,
                                              const UI_LIST& palettes, std::int64_t savedAt,
                                              const std::optional<FileStamp>& diskStamp,
                                              std::string* reason = nullptr);

// The complete copies in folder, the newest first; a note without its palettes, or one
// that cannot be read, is no copy.
std::vector<RecoveryCopy> FindRecoveryCopies(const CString& folder);

// Removes the copy: the note first, so a copy is never found half removed.
void RemoveRecoveryCopy(const RecoveryCopy& copy);
