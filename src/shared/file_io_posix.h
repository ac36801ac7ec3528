// What the POSIX halves of file access share: the file system calls every step uses, the
// clean-up when a signal ends the process (signal_guard_posix.cpp), and the journal of saves
// written in place (save_journal_posix.cpp). Included by *_posix.cpp files only.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>

#include "shared/cstring.h"

namespace file_io_posix {

namespace fs = std::filesystem;

// The system's text for an errno value.
std::string Reason(int error);
// The file a chain of symbolic links ends at; nullopt for a loop.
std::optional<fs::path> FollowLinks(fs::path path);
fs::path FolderOf(const fs::path& file);
bool SameFile(const struct stat& a, const struct stat& b);
// False with errno set; a write that takes nothing counts as a full disk.
bool WriteAll(int fd, std::string_view bytes);
// Appends everything left to read from fd to bytes; false with errno set.
bool ReadAll(int fd, std::string& bytes);
// Writes bytes as the whole content of the open file fd, from its start, and syncs them.
bool PutBytes(int fd, std::string_view bytes);
// Opens path without ever waiting on a pipe or a device, and keeps the descriptor only when
// it is a regular file; it then blocks again as an ordinary file does.
int OpenRegular(const char* path, int flags, std::string& reason);
// Makes a rename in folder durable, where the folder can be synced.
void SyncFolder(const fs::path& folder);
// The start of the names of target's temporary files and journal beside it: of fixed
// length, so that beside a file of any legal name they have legal names too, and one
// target's files are found again by the next save.
std::string TemporaryPrefix(const fs::path& target);

// Files of this process's own that a signal ending it (SIGINT, SIGTERM, SIGHUP, SIGPIPE)
// removes first: always, or with fd given only while the name still leads to that open file
// and it is empty. A slot, or -1 when none is free (the file then goes unguarded).
int GuardFile(const char* path, int fd = -1);
// Ends the guard of slot and sets it to -1; nothing for -1.
void ReleaseGuard(int& slot);
// The old bytes of the one file being written in place (fd), put back should a signal end
// the process before ReleaseOldBytes; the journal in journalSlot is removed only once they
// are. False when another in-place save of this process holds the place already.
bool GuardOldBytes(int fd, const std::string& backup, int journalSlot);
void ReleaseOldBytes();

// The journal of an in-place save of target: the places to try, in order, and the lines that
// come before bytes, the old content, in it.
std::vector<fs::path> JournalPlaces(const fs::path& target);
std::string JournalHeader(const fs::path& target, std::string_view bytes);
// Marks a journal as this process's own save in progress, or no longer.
void SetOwnJournal(const fs::path& place, bool own);
// Before the file at path is read or written: an in-place save of it that was ended
// part-way is undone first, and the recovery notice called.
void RecoverInterruptedSave(const CString& path);

} // namespace file_io_posix
