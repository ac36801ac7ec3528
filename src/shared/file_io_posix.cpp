// The POSIX half of file access: opening only regular files, the safe replacement of a
// file's content with its in-place fallback, file stamps and advisory locks.
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <thread>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "shared/file_io.h"
#include "shared/file_io_posix.h"

namespace file_io_posix {

std::string Reason(int error) {
    return SystemErrorText(error);
}

std::optional<fs::path> FollowLinks(fs::path path) {
    constexpr int kMaxHops = 40;
    for (int hop = 0; hop < kMaxHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            return path;
        }
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            return std::nullopt;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

int OpenRegular(const char* path, int flags, std::string& reason) {
    const int fd = ::open(path, flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason = Reason(errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = S_ISREG(info.st_mode) ? Reason(errno) : std::string(kNotRegularFile);
        ::close(fd);
        return -1;
    }
    const int status = ::fcntl(fd, F_GETFL);
    if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        reason = Reason(errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

// Makes the rename itself durable. A folder that cannot be synced is no reason to fail:
// the content is already safe in the renamed file.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string TemporaryPrefix(const fs::path& target) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : target.filename().string()) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    char text[9];
    std::snprintf(text, sizeof text, "%08x", hash);
    return (FolderOf(target) / (std::string(".tintora-") + text + "-")).string();
}

bool ReadAll(int fd, std::string& bytes) {
    char block[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0;
        }
        bytes.append(block, static_cast<std::size_t>(got));
    }
}

bool PutBytes(int fd, std::string_view bytes) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

} // namespace file_io_posix

using namespace file_io_posix;

namespace {

// Removes the temporary files of prefix whose writer is gone: a living writer holds a lock
// on its file. Nothing else is touched, and no failure here stops the save.
void RemoveStaleTemporaries(const fs::path& folder, const std::string& prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix) || name.size() != prefix.size() + 6) {
            continue;
        }
        const int fd =
            ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat open {};
        struct stat named {};
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &open) == 0 &&
            S_ISREG(open.st_mode) &&
            ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            SameFile(open, named)) {
            ::unlinkat(dirFd, entry->d_name, 0);
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    ::closedir(dir);
}

// Sets reason from error (errno by default) and gives false, to end a chain of steps.
bool Failed(std::string& reason, int error = 0) {
    reason = Reason(error != 0 ? error : errno);
    return false;
}

// Copies every extended attribute of the file at from (access lists among them) to fd. A
// file system without them has none to copy.
bool CopyAttributes(const fs::path& from, int fd, std::string& reason) {
    ssize_t size = ::listxattr(from.c_str(), nullptr, 0);
    if (size < 0) {
        return errno == ENOTSUP || Failed(reason);
    }
    std::string names(static_cast<std::size_t>(size), '\0');
    size = ::listxattr(from.c_str(), names.data(), names.size());
    if (size < 0) {
        return Failed(reason);
    }
    names.resize(static_cast<std::size_t>(size));
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
        const char* name = names.c_str() + at;
        const ssize_t length = ::getxattr(from.c_str(), name, nullptr, 0);
        std::string value(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
        if (length < 0 || ::getxattr(from.c_str(), name, value.data(), value.size()) != length ||
            ::fsetxattr(fd, name, value.data(), value.size(), 0) != 0) {
            return Failed(reason);
        }
    }
    return true;
}

// Why a file in a folder with the sticky bit (mode 1777, as /tmp) is written in place when
// it can be, and the rest of the reason when it cannot.
constexpr std::string_view kStickyFolder =
    "only its owner may replace a file in this folder (it has the sticky bit)";

// In such a folder only the owner of the file or of the folder may rename over the file.
// Root may all the same.
bool OnlyOwnerMayReplace(const fs::path& target, const struct stat& file) {
    struct stat folder {};
    const uid_t me = ::geteuid();
    return me != 0 && file.st_uid != me && ::stat(FolderOf(target).c_str(), &folder) == 0 &&
           (folder.st_mode & S_ISVTX) != 0 && folder.st_uid != me;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string SystemApiErrorText(unsigned long code) {
    return SystemErrorText(static_cast<int>(code));
}

std::FILE* OpenForReading(const CString& path, std::string* reason) {
    RecoverInterruptedSave(path);
    const fs::path fsPath = FsPath(path);
    std::string why;
    struct stat info {};
    // Refused before opening as well: opening some devices does something of its own.
    if (::stat(fsPath.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        why = kNotRegularFile;
    } else if (const int fd = OpenRegular(fsPath.c_str(), O_RDONLY, why); fd >= 0) {
        if (std::FILE* file = ::fdopen(fd, "rb")) {
            return file;
        }
        why = Reason(errno);
        ::close(fd);
    }
    if (reason != nullptr) {
        *reason = why;
    }
    return nullptr;
}

namespace {

FileStamp StampFrom(const struct stat& info) {
    return FileStamp{
        static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
        static_cast<std::uint64_t>(info.st_size),
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

} // namespace

std::optional<FileStamp> StampOf(const CString& path) {
    struct stat info {};
    if (::stat(FsPath(path).c_str(), &info) != 0) {
        return std::nullopt;
    }
    return StampFrom(info);
}

std::optional<FileStamp> StampOf(std::FILE* file) {
    struct stat info {};
    if (::fstat(::fileno(file), &info) != 0) {
        return std::nullopt;
    }
    return StampFrom(info);
}

// One save: either a temporary file beside the target, or the target itself written in
// place with its old bytes kept.
struct SafeFileWriter::SystemJob final : Job {
    fs::path target;
    int fd = -1;
    int tempLock = -1;  // a second descriptor of the temporary file, holding its lock
    std::string temp;   // set while a temporary file exists
    int tempGuard = -1; // its signal guard
    bool inPlace = false;
    std::string backup;   // in place: the old bytes
    bool touched = false; // in place: the file no longer holds them
    bool done = false;
    bool guardsOldBytes = false;
    fs::path journal; // in place: where the old bytes are kept on disk meanwhile
    int journalFd = -1;
    int journalGuard = -1;

    ~SystemJob() override {
        // The journal goes once the file holds whole bytes again, old or new.
        const bool whole = !(inPlace && touched && !done) || Restore();
        if (guardsOldBytes) {
            ReleaseOldBytes();
        }
        if (whole) {
            DropJournal();
        } else if (!journal.empty()) {
            SetOwnJournal(journal, false); // for the next reader to put back
        }
        if (journalFd >= 0) {
            ::close(journalFd);
        }
        if (fd >= 0) {
            ::close(fd);
        }
        if (!temp.empty()) {
            ::unlink(temp.c_str());
        }
        ReleaseGuard(tempGuard);
        if (tempLock >= 0) {
            ::close(tempLock);
        }
    }

    // Makes the temporary file and locks it, so that the next save of the target, which
    // removes the temporary files of writers that are gone, leaves this one alone. Another
    // save may take the lock first, between the two calls, to remove the file: then a new
    // one is made.
    bool MakeLockedTemporary(const std::string& prefix, std::string& reason) {
        constexpr int kAttempts = 8;
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            std::string name = prefix + "XXXXXX";
            {
                const SignalsHeld held; // no signal between the file's making and its guard
                fd = ::mkstemp(name.data());
                if (fd >= 0) {
                    temp = name;
                    tempGuard = GuardFile(temp.c_str());
                }
            }
            if (fd < 0) {
                reason = Reason(errno);
                return false;
            }
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
            tempLock = ::open(temp.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
            struct stat locked {};
            if (tempLock >= 0 && ::flock(tempLock, LOCK_EX | LOCK_NB) == 0 &&
                ::fstat(tempLock, &locked) == 0 && locked.st_nlink > 0) {
                return true;
            }
            // The file is another save's to remove now.
            temp.clear();
            ReleaseGuard(tempGuard);
            ::close(std::exchange(fd, -1));
            if (tempLock >= 0) {
                ::close(std::exchange(tempLock, -1));
            }
        }
        reason = Reason(EBUSY);
        return false;
    }

    bool StartTemporary(const struct stat* old, std::string& reason) {
        if (old != nullptr && OnlyOwnerMayReplace(target, *old)) {
            reason = kStickyFolder;
            return false;
        }
        const std::string prefix = TemporaryPrefix(target);
        RemoveStaleTemporaries(FolderOf(target), fs::path(prefix).filename().string());
        if (!MakeLockedTemporary(prefix, reason)) {
            return false;
        }
        if (old == nullptr) {
            return ::fchmod(fd, NewFileMode()) == 0 || Failed(reason);
        }
        // The new file must be the old one in all but content, or the save would quietly
        // give the file away or change who may read it: owner and group first (changing them
        // clears the set-id bits), then every extended attribute with the access list, then
        // the mode, which sets the list's mask. What cannot be copied sends the save in place.
        struct stat made {};
        return (::fchown(fd, old->st_uid, old->st_gid) == 0 || Failed(reason)) &&
               CopyAttributes(target, fd, reason) &&
               (::fchmod(fd, old->st_mode & 07777) == 0 || Failed(reason)) &&
               (::fstat(fd, &made) == 0 || Failed(reason)) &&
               (made.st_mode == old->st_mode || Failed(reason, EPERM));
    }

    bool StartInPlace(std::string& reason) {
        fd = OpenRegular(target.c_str(), O_RDWR, reason);
        if (fd < 0) {
            return false;
        }
        if (!ReadAll(fd, backup) || ::lseek(fd, 0, SEEK_SET) != 0) {
            reason = Reason(errno);
            return false;
        }
        if (!KeepJournal(reason)) {
            return false;
        }
        inPlace = true;
        guardsOldBytes = GuardOldBytes(fd, backup, journalGuard);
        return true;
    }

    // Writes the journal, synced, before the file is touched; the first place that takes it.
    // A journal removed meanwhile by a reader that took it for one cut short is made again.
    bool KeepJournal(std::string& reason) {
        // The header apart from the bytes: a large file is not held twice more.
        const std::string header = JournalHeader(target, backup);
        int error = 0;
        for (const fs::path& place : JournalPlaces(target)) {
            for (int attempt = 0; attempt < 3; ++attempt) {
                if (place.parent_path() != FolderOf(target)) {
                    std::error_code ignored;
                    fs::create_directories(place.parent_path(), ignored);
                }
                int made = -1;
                {
                    const SignalsHeld held; // no signal between the making and the guard
                    made = ::open(place.c_str(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
                    if (made >= 0) {
                        journalGuard = GuardFile(place.c_str());
                    }
                }
                if (made < 0) {
                    error = errno;
                    break;
                }
                const bool written = ::flock(made, LOCK_EX) == 0 && WriteAll(made, header) &&
                                     WriteAll(made, backup) && ::fsync(made) == 0;
                error = written ? 0 : errno;
                struct stat info {};
                const bool linked = ::fstat(made, &info) == 0 && info.st_nlink > 0;
                if (written && linked) {
                    SyncFolder(place.parent_path());
                    journal = place;
                    journalFd = made;
                    SetOwnJournal(journal, true);
                    return true;
                }
                if (linked) {
                    ::unlink(place.c_str());
                }
                ReleaseGuard(journalGuard);
                ::close(made);
                if (!written) {
                    break;
                }
            }
        }
        reason = Reason(error != 0 ? error : EBUSY);
        return false;
    }

    void DropJournal() {
        if (!journal.empty()) {
            ::unlink(journal.c_str());
            SetOwnJournal(journal, false);
            journal.clear();
        }
        ReleaseGuard(journalGuard);
    }

    bool Write(std::string_view bytes, std::string& reason) override {
        touched = touched || (inPlace && !bytes.empty());
        if (!WriteAll(fd, bytes)) {
            reason = Reason(errno);
            return false;
        }
        return true;
    }

    bool Finish(std::string& reason) override {
        if (inPlace) {
            const off_t end = ::lseek(fd, 0, SEEK_CUR);
            if (end < 0 || ::ftruncate(fd, end) != 0 || ::fsync(fd) != 0) {
                reason = Reason(errno);
                return false;
            }
        } else if (::fsync(fd) != 0) {
            reason = Reason(errno);
            return false;
        }
        if (guardsOldBytes) {
            ReleaseOldBytes(); // complete and synced: nothing to put back any more
            guardsOldBytes = false;
        }
        if (inPlace) {
            DropJournal();
        }
        const int closing = std::exchange(fd, -1);
        if (::close(closing) != 0) {
            reason = Reason(errno);
            return false;
        }
        if (!inPlace) {
            if (std::rename(temp.c_str(), target.c_str()) != 0) {
                reason = Reason(errno);
                return false;
            }
            ReleaseGuard(tempGuard);
            temp.clear();
            SyncFolder(FolderOf(target));
        }
        done = true;
        return true;
    }

    // The old bytes back into a file written in place, through a descriptor of its own
    // when the writing one is already closed.
    bool Restore() {
        const int out = fd >= 0 ? fd : ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (out < 0) {
            return false;
        }
        const bool putBack = PutBytes(out, backup);
        if (out != fd) {
            ::close(out);
        }
        return putBack;
    }
};

SafeFileWriter::SafeFileWriter(const CString& path) {
    RecoverInterruptedSave(path);
    const std::optional<fs::path> target = FollowLinks(FsPath(path));
    if (!target) {
        m_error = Reason(ELOOP);
        return;
    }
    if (target->filename().empty()) {
        m_error = Reason(EISDIR);
        return;
    }
    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        m_error = Reason(errno);
        return;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        m_error = kNotRegularFile;
        return;
    }
    // Renaming over a file needs no right to write it, but a file the user made read-only
    // must not be replaced behind their back: saving over it fails as opening it would.
    if (exists && ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) {
        m_error = Reason(errno);
        return;
    }
    auto job = std::make_unique<SystemJob>();
    job->target = *target;
    // A rename would cut the other names of a hard-linked file off the new content; a
    // folder we may not write takes no temporary file. Both are written in place.
    std::string reason;
    const bool linked = exists && old.st_nlink > 1;
    if (!linked && job->StartTemporary(exists ? &old : nullptr, reason)) {
        m_job = std::move(job);
    } else if (exists) {
        const bool sticky = reason == kStickyFolder;
        job = std::make_unique<SystemJob>();
        job->target = *target;
        if (job->StartInPlace(reason)) {
            m_job = std::move(job);
        } else if (sticky) {
            reason += " (" + std::string(kStickyFolder) + ")";
        }
    }
    if (!m_job) {
        m_error = reason;
        return;
    }
    m_buffer.reserve(kWriteBuffer);
}

namespace {

// Takes the lock on fd as wait says: at once when free, otherwise trying again every few
// milliseconds, so that the wait can run out and be told about. Zero, or an errno value
// (EWOULDBLOCK when the wait ran out).
int TakeLock(int fd, const LockWait& wait) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    bool told = false;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return 0;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return errno;
        }
        const double waited = std::chrono::duration<double>(Clock::now() - start).count();
        if (wait.timeoutSeconds > 0 && waited >= wait.timeoutSeconds) {
            return EWOULDBLOCK;
        }
        if (!told && waited >= 1.0) {
            told = true;
            if (wait.onWaiting) {
                wait.onWaiting();
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace

FileLock::FileLock(const CString& path, const LockWait& wait) {
    // The file the links end at, which is the one saved: a failure then removes only what
    // it made there and leaves a dangling link as it was.
    const std::optional<fs::path> target = FollowLinks(FsPath(path));
    if (!target) {
        m_error = Reason(ELOOP);
        return;
    }
    m_path = *target;
    // Each round follows one save that renamed a new file over the one just locked.
    constexpr int kMaxRounds = 1000;
    for (int round = 0; round < kMaxRounds; ++round) {
        int fd = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        bool created = false;
        if (fd < 0 && errno == ENOENT) {
            const SignalsHeld held; // no signal between the file's making and its guard
            fd = ::open(m_path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NONBLOCK | O_CLOEXEC, 0666);
            created = fd >= 0;
            if (created) {
                m_guard = GuardFile(m_path.c_str(), fd);
            } else if (errno == EEXIST) {
                continue; // made by another process meanwhile
            }
        }
        if (fd < 0) {
            m_error = Reason(errno);
            return;
        }
        m_handle = fd;
        m_created = created;
        struct stat locked {};
        if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            m_error = S_ISREG(locked.st_mode) ? Reason(errno) : std::string(kNotRegularFile);
            RemoveIfCreatedAndEmpty();
            return;
        }
        if (const int error = TakeLock(fd, wait); error != 0) {
            m_timedOut = error == EWOULDBLOCK;
            m_error = m_timedOut ? "still in use by another program" : Reason(error);
            RemoveIfCreatedAndEmpty();
            return;
        }
        struct stat named {};
        if (::stat(m_path.c_str(), &named) == 0 && SameFile(named, locked)) {
            RecoverInterruptedSave(path);
            m_empty = ::stat(m_path.c_str(), &named) == 0 && named.st_size == 0;
            return;
        }
        RemoveIfCreatedAndEmpty();
    }
    m_error = Reason(EBUSY);
}

// Also ends the hold: closing the descriptor releases the lock.
void FileLock::RemoveIfCreatedAndEmpty() {
    if (m_handle < 0) {
        return;
    }
    const int fd = static_cast<int>(std::exchange(m_handle, -1));
    struct stat locked {};
    struct stat named {};
    // A file made only to hold the lock is no debris to leave behind when nothing was
    // saved into it.
    if (m_created && ::fstat(fd, &locked) == 0 && locked.st_size == 0 &&
        ::stat(m_path.c_str(), &named) == 0 && SameFile(named, locked)) {
        ::unlink(m_path.c_str());
    }
    ReleaseGuard(m_guard);
    m_created = false;
    ::close(fd);
}

FileLock::~FileLock() {
    RemoveIfCreatedAndEmpty();
}

RemoveOnSignal::RemoveOnSignal(const CString& path) : m_guard(GuardFile(FsPath(path).c_str())) {}

RemoveOnSignal::~RemoveOnSignal() {
    ReleaseGuard(m_guard);
}
