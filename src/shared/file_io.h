// Whole-file reading and the safe replacement of a file's content: the only places that
// hand our wide paths to the file system.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "shared/cstring.h"

// The path as the file system sees it, built from our own UTF-8 conversion (never through
// the C locale, which fails for non-ASCII names under LANG=C).
std::filesystem::path FsPath(const CString& path);

// True for a regular file (or a link to one); folders and missing files are not.
bool IsRegularFile(const CString& path);

// The regular file at path opened for binary reading, or null (missing, unreadable, a
// folder). The caller closes it with std::fclose.
std::FILE* OpenForReading(const CString& path);

// The bytes of the regular file at path; nullopt for a missing, unreadable or non-regular
// file (a folder, for instance).
std::optional<std::string> ReadFileBytes(const CString& path);

// Replaces the content of a file without ever leaving a damaged one: the bytes go to a
// temporary file in the same folder, which Commit flushes, syncs and renames over the
// target. A symbolic link is followed, so the file it names is replaced and the link
// stays; the file keeps its permissions (a new one gets the usual ones), and one we may
// not write is refused as it would be by opening it. Anything that fails, or destruction
// without Commit, removes the temporary file and leaves the old file untouched.
class SafeFileWriter {
public:
    explicit SafeFileWriter(const CString& path);
    ~SafeFileWriter();

    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // False when the temporary file could not be made (no folder, no permission...).
    bool IsOpen() const { return m_fd >= 0; }
    // Buffered; false once any write has failed.
    bool Write(std::string_view bytes);
    // True when the new content is in place.
    bool Commit();

private:
    bool Flush();
    void Discard();

    std::filesystem::path m_target;
    std::string m_temp;
    std::string m_buffer;
    int m_fd = -1;
    bool m_failed = false;
};
