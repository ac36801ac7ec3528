// Whole-file reading and the safe replacement of a file's content: the only places that
// hand our wide paths to the file system.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "shared/cstring.h"

// The path as the file system sees it, built from our own UTF-8 conversion (never through
// the C locale, which fails for non-ASCII names under LANG=C).
std::filesystem::path FsPath(const CString& path);

// The bytes of the regular file at path; nullopt for a missing, unreadable or non-regular
// file (a folder, for instance).
std::optional<std::string> ReadFileBytes(const CString& path);

// Replaces the content of the file at path by bytes without ever leaving a damaged file:
// the bytes go to a temporary file in the same folder, which is flushed, synced and then
// renamed over the target. A symbolic link is followed, so the file it names is replaced
// and the link stays. The file keeps its permissions (a new one gets the usual ones).
// On any failure the temporary file is removed, the old file is untouched and false is
// returned.
bool ReplaceFileBytes(const CString& path, std::string_view bytes);
