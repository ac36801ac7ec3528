// Reading and writing whole files: the only places that hand our wide paths to the file
// system. Only regular files are ever read or replaced; a pipe, device, socket or folder is
// refused at once and left as it was. Failures come with their reason, the system's own
// text ("No space left on device") or kNotRegularFile.
//
// The interface is portable; each system's half lives in file_io_<system>.cpp.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "shared/cstring.h"

inline constexpr std::string_view kNotRegularFile = "not a regular file";

// The path as the file system sees it, built from our own UTF-8 conversion (never through
// the C locale, which fails for non-ASCII names under LANG=C), byte for byte.
std::filesystem::path FsPath(const CString& path);

// The system's text for an error number, as strerror gives it.
std::string SystemErrorText(int error);
// The text for an error code of the system's own interface: an errno value on POSIX, a
// GetLastError() value on Windows.
std::string SystemApiErrorText(unsigned long code);

// The regular file at path (or at the end of its links) opened for binary reading, or
// null with the reason in *reason. The check and the read use one open file, so nothing
// can be put in its place between them. The caller closes it with std::fclose.
std::FILE* OpenForReading(const CString& path, std::string* reason = nullptr);

// The bytes of the regular file at path; nullopt, with the reason, when it cannot be read.
std::optional<std::string> ReadFileBytes(const CString& path, std::string* reason = nullptr);

// What tells one version of a file from another: a file saved over it, or changed in place,
// differs in at least one of these.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
// Nullopt when nothing readable stands at path.
std::optional<FileStamp> StampOf(const CString& path);
// The stamp of an open file: taken before reading it, it names the version read even when
// another program changes the file meanwhile.
std::optional<FileStamp> StampOf(std::FILE* file);

// Replaces the content of a file without ever leaving a damaged one. Normally the bytes go
// to a temporary file beside the target, which Commit syncs and renames over it; the new
// file keeps the old one's mode, owner, group and extended attributes (access lists among
// them). Where it cannot keep them all, and for a file we may write in a folder we may not,
// one with several names (hard links), or one only its owner may replace (a folder with the
// sticky bit), the file is written in place instead, with its old bytes kept in memory and
// put back should the write fail; on POSIX systems they are also kept on disk in a journal
// until the new bytes are (see SetRecoveryNotice), so that even a killed save is undone.
// The temporary file is locked while its writer lives; the next save of the same target
// removes those whose writer is gone (POSIX). A symbolic link is followed, so the file it
// names is replaced and the link stays; a file we may not write is refused as opening it
// would be. A failure, destruction without Commit, or SIGINT, SIGTERM, SIGHUP or SIGPIPE
// arriving meanwhile leaves the old file byte for byte and no temporary file behind.
class SafeFileWriter {
public:
    explicit SafeFileWriter(const CString& path);
    ~SafeFileWriter();

    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // False when the file cannot be written at all; Error() says why.
    bool IsOpen() const;
    // Buffered; false once any write has failed.
    bool Write(std::string_view bytes);
    // True when the new content is in place.
    bool Commit();
    // Why the last step failed; empty while all goes well.
    const std::string& Error() const { return m_error; }
    // For failures found by the caller (bytes that cannot be made, for instance).
    void Fail(std::string reason);

private:
    // Writes go out in pieces of this size rather than one per call.
    static constexpr std::size_t kWriteBuffer = 1 << 16;

    // One save as the system does it: the bytes written out, then made the file's content.
    struct Job {
        virtual ~Job() = default;
        virtual bool Write(std::string_view bytes, std::string& reason) = 0;
        virtual bool Finish(std::string& reason) = 0;
    };
    struct SystemJob; // file_io_<system>.cpp
    std::unique_ptr<Job> m_job;
    std::string m_buffer;
    std::string m_error;
};

// Called with the path of a file that was put back as it was before a save written in place
// that ended part-way (killed, a crash, a power cut): whoever opens such a file next, to read
// or write it, first puts the old bytes back from the save's journal, so that the file is
// never read as a mix of two versions. The program says so through this. Windows keeps no
// journal, so there this is never called. Returns the notice it replaces.
using RecoveryNotice = std::function<void(const CString& path)>;
RecoveryNotice SetRecoveryNotice(RecoveryNotice notice);

// Writes bytes as the whole content of the file at path through SafeFileWriter. Empty on
// success, otherwise the reason.
std::string WriteFileBytes(const CString& path, std::string_view bytes);

// How long FileLock waits while another process holds the lock.
struct LockWait {
    // Seconds before giving up; 0 waits for ever.
    double timeoutSeconds = 0;
    // Called once, when the lock has not come within the first second, so that a user
    // waiting on a program that stopped learns why nothing happens.
    std::function<void()> onWaiting;
};

// An exclusive advisory lock on the file at path itself (no lock file beside it: the folder
// may be read-only), held from construction to destruction, for a read-modify-write that
// must not lose another process's work. Symbolic links are followed, so the lock is on the
// file they end at, as flock(1) takes it: "flock FILE command" keeps Tintora waiting. When
// another process saved by renaming a new file over the one locked meanwhile, the lock moves
// to the new one. A missing file is created empty, and removed again by the destructor, or
// by SIGINT, SIGTERM, SIGHUP or SIGPIPE ending the process, if still empty. Windows cannot
// rename over a file held open, so there the lock is on the file's full path rather than the
// file, and holds nothing open.
class FileLock {
public:
    explicit FileLock(const CString& path, const LockWait& wait = {});
    ~FileLock();

    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool IsLocked() const { return m_handle >= 0; }
    const std::string& Error() const { return m_error; }
    // True when the wait ran out while another process still held the lock.
    bool TimedOut() const { return m_timedOut; }
    // True when the locked file is empty: a new file, or one that never held anything.
    bool IsEmpty() const { return m_empty; }

private:
    // Removes the file made only to hold the lock, when it still holds nothing.
    void RemoveIfCreatedAndEmpty();

    std::filesystem::path m_path;
    std::intptr_t m_handle = -1;
    bool m_created = false;
    std::uint64_t m_createdIndex = 0; // Windows: the file index of the file made
    int m_guard = -1;                 // POSIX: the signal guard of the file made
    bool m_empty = false;
    bool m_timedOut = false;
    std::string m_error;
};

// Holds back SIGINT, SIGTERM, SIGHUP and SIGPIPE while it lives, so that no such signal falls
// between the making of a file and its guard (RemoveOnSignal) and leaves the file behind.
// Nothing on Windows, where those signals run none of the program's code.
class SignalsHeld {
public:
    SignalsHeld();
    ~SignalsHeld();

    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    alignas(8) unsigned char m_previous[128] = {}; // the signal mask before (sigset_t)
};

// While it lives, SIGINT, SIGTERM, SIGHUP or SIGPIPE ending the process removes the file at
// path first: for files of this process's own (a copy of standard input, output waiting to
// be copied out) that must never outlive it. A Windows console program is ended without
// running any of its code, so there it guards nothing.
class RemoveOnSignal {
public:
    explicit RemoveOnSignal(const CString& path);
    ~RemoveOnSignal();

    RemoveOnSignal(const RemoveOnSignal&) = delete;
    RemoveOnSignal& operator=(const RemoveOnSignal&) = delete;

private:
    int m_guard = -1;
};
