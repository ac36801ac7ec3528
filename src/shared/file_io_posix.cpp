// The POSIX half of file access: opening only regular files, the safe replacement of a
// file's content with its in-place fallback, the clean-up when a signal interrupts a save,
// file stamps and advisory locks.
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shared/file_io.h"

namespace fs = std::filesystem;

namespace {

// Short and of fixed length, so that beside a file of any legal name it is a legal name too.
constexpr char kTempPattern[] = ".tintora-XXXXXX";

std::string Reason(int error) {
    return SystemErrorText(error);
}

// The file a chain of symbolic links ends at; nullopt for a loop.
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

// False with errno set; a write that takes nothing counts as a full disk.
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

// Opens path without ever waiting on a pipe or a device, and keeps the descriptor only when
// it is a regular file; it then blocks again as an ordinary file does.
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

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// What to undo when SIGINT, SIGTERM or SIGHUP ends the process during a save: the temporary
// file to remove, or the old bytes to put back into a file written in place. The handler
// uses only calls that are safe in it, then lets the signal take its usual course.
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

struct InterruptedSave {
    char temp[PATH_MAX + 1] = {};
    volatile sig_atomic_t hasTemp = 0;
    int inPlaceFd = -1;
    const char* backup = nullptr;
    std::size_t backupSize = 0;
    volatile sig_atomic_t hasBackup = 0;
    struct sigaction previous[3] = {};
    bool installed[3] = {};
    bool armed = false;
};
InterruptedSave g_save;

void UndoInterruptedSave(int signal) {
    const int savedErrno = errno;
    if (g_save.hasTemp != 0) {
        ::unlink(g_save.temp);
    }
    if (g_save.hasBackup != 0) {
        std::size_t done = 0;
        while (done < g_save.backupSize) {
            const ssize_t written = ::pwrite(g_save.inPlaceFd, g_save.backup + done,
                                             g_save.backupSize - done, static_cast<off_t>(done));
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                break;
            }
            done += static_cast<std::size_t>(written);
        }
        (void)!::ftruncate(g_save.inPlaceFd, static_cast<off_t>(g_save.backupSize));
        ::fsync(g_save.inPlaceFd);
    }
    g_save.hasTemp = 0;
    g_save.hasBackup = 0;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (kSignals[i] == signal && g_save.installed[i]) {
            ::sigaction(signal, &g_save.previous[i], nullptr);
        }
    }
    // Delivered once this handler returns, now to the handler the program had before.
    ::raise(signal);
    errno = savedErrno;
}

// One save at a time is guarded; a save started inside another one goes unguarded.
bool ArmSignals() {
    if (g_save.armed) {
        return false;
    }
    struct sigaction action {};
    action.sa_handler = UndoInterruptedSave;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals) {
        sigaddset(&action.sa_mask, signal);
    }
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        struct sigaction previous {};
        ::sigaction(kSignals[i], nullptr, &previous);
        // An ignored signal ends nothing, so there is nothing to undo.
        g_save.installed[i] = previous.sa_handler != SIG_IGN;
        if (g_save.installed[i]) {
            ::sigaction(kSignals[i], &action, &g_save.previous[i]);
        }
    }
    g_save.armed = true;
    return true;
}

void DisarmSignals() {
    g_save.hasTemp = 0;
    g_save.hasBackup = 0;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (g_save.installed[i]) {
            ::sigaction(kSignals[i], &g_save.previous[i], nullptr);
            g_save.installed[i] = false;
        }
    }
    g_save.armed = false;
}

} // namespace

std::string SystemApiErrorText(unsigned long code) {
    return SystemErrorText(static_cast<int>(code));
}

std::FILE* OpenForReading(const CString& path, std::string* reason) {
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

std::optional<FileStamp> StampOf(const CString& path) {
    struct stat info {};
    if (::stat(FsPath(path).c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileStamp{
        static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
        static_cast<std::uint64_t>(info.st_size),
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// One save: either a temporary file beside the target, or the target itself written in
// place with its old bytes kept.
struct SafeFileWriter::SystemJob final : Job {
    fs::path target;
    int fd = -1;
    std::string temp; // set while a temporary file exists
    bool inPlace = false;
    std::string backup;   // in place: the old bytes
    bool touched = false; // in place: the file no longer holds them
    bool done = false;
    bool guarded = false;

    ~SystemJob() override {
        if (inPlace && touched && !done) {
            Restore();
        }
        if (fd >= 0) {
            ::close(fd);
        }
        if (!temp.empty()) {
            ::unlink(temp.c_str());
        }
        if (guarded) {
            DisarmSignals();
        }
    }

    bool StartTemporary(const struct stat* old, std::string& reason) {
        std::string name = (FolderOf(target) / kTempPattern).string();
        // Armed before the file exists, so that no moment leaves it unguarded.
        guarded = name.size() <= PATH_MAX && ArmSignals();
        fd = ::mkstemp(name.data());
        if (fd < 0) {
            reason = Reason(errno);
            return false;
        }
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        temp = name;
        if (guarded) {
            std::memcpy(g_save.temp, temp.c_str(), temp.size() + 1);
            g_save.hasTemp = 1;
        }
        // Owner and group first: changing them clears the set-id bits of the mode. Only
        // root may give a file away; anyone may keep a group they belong to.
        if (old != nullptr && ::fchown(fd, old->st_uid, old->st_gid) != 0) {
            (void)!::fchown(fd, static_cast<uid_t>(-1), old->st_gid);
        }
        if (::fchmod(fd, old != nullptr ? old->st_mode & 07777 : NewFileMode()) != 0) {
            reason = Reason(errno);
            return false;
        }
        return true;
    }

    bool StartInPlace(std::string& reason) {
        fd = OpenRegular(target.c_str(), O_RDWR, reason);
        if (fd < 0) {
            return false;
        }
        char block[1 << 16];
        for (;;) {
            const ssize_t got = ::read(fd, block, sizeof block);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                reason = Reason(errno);
                return false;
            }
            if (got == 0) {
                break;
            }
            backup.append(block, static_cast<std::size_t>(got));
        }
        if (::lseek(fd, 0, SEEK_SET) != 0) {
            reason = Reason(errno);
            return false;
        }
        inPlace = true;
        guarded = ArmSignals();
        if (guarded) {
            g_save.inPlaceFd = fd;
            g_save.backup = backup.data();
            g_save.backupSize = backup.size();
            g_save.hasBackup = 1;
        }
        return true;
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
        if (guarded && inPlace) {
            g_save.hasBackup = 0; // complete and synced: nothing to put back any more
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
            if (guarded) {
                g_save.hasTemp = 0;
            }
            temp.clear();
            SyncFolder(FolderOf(target));
        }
        done = true;
        return true;
    }

    // The old bytes back into a file written in place, through a descriptor of its own
    // when the writing one is already closed.
    void Restore() {
        const int out = fd >= 0 ? fd : ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (out < 0) {
            return;
        }
        if (::lseek(out, 0, SEEK_SET) == 0 && WriteAll(out, backup)) {
            (void)!::ftruncate(out, static_cast<off_t>(backup.size()));
            ::fsync(out);
        }
        if (out != fd) {
            ::close(out);
        }
    }
};

SafeFileWriter::SafeFileWriter(const CString& path) {
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
        job = std::make_unique<SystemJob>();
        job->target = *target;
        if (job->StartInPlace(reason)) {
            m_job = std::move(job);
        }
    }
    if (!m_job) {
        m_error = reason;
        return;
    }
    m_buffer.reserve(kWriteBuffer);
}

FileLock::FileLock(const CString& path) : m_path(FsPath(path)) {
    // Each round follows one save that renamed a new file over the one just locked.
    constexpr int kMaxRounds = 1000;
    for (int round = 0; round < kMaxRounds; ++round) {
        int fd = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        bool created = false;
        if (fd < 0 && errno == ENOENT) {
            fd = ::open(m_path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
            created = fd >= 0;
        }
        if (fd < 0) {
            m_error = Reason(errno);
            return;
        }
        struct stat locked {};
        if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            m_error = S_ISREG(locked.st_mode) ? Reason(errno) : std::string(kNotRegularFile);
            ::close(fd);
            return;
        }
        int result = 0;
        while ((result = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        struct stat named {};
        if (result != 0) {
            m_error = Reason(errno);
            ::close(fd);
            return;
        }
        if (::stat(m_path.c_str(), &named) == 0 && named.st_dev == locked.st_dev &&
            named.st_ino == locked.st_ino) {
            m_handle = fd;
            m_created = created;
            m_empty = named.st_size == 0;
            return;
        }
        ::close(fd);
    }
    m_error = Reason(EBUSY);
}

FileLock::~FileLock() {
    if (m_handle < 0) {
        return;
    }
    const int fd = static_cast<int>(m_handle);
    struct stat locked {};
    struct stat named {};
    // A file made only to hold the lock is no debris to leave behind when nothing was
    // saved into it.
    if (m_created && ::fstat(fd, &locked) == 0 && locked.st_size == 0 &&
        ::stat(m_path.c_str(), &named) == 0 && named.st_dev == locked.st_dev &&
        named.st_ino == locked.st_ino) {
        ::unlink(m_path.c_str());
    }
    ::close(fd); // releases the lock
}
