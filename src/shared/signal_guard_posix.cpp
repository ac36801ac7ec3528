// The clean-up when a signal ends the process: files of its own removed, and the old bytes
// put back into a file written in place.
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <mutex>

#include <pthread.h>

#include <sys/stat.h>
#include <unistd.h>

#include "shared/file_io.h"
#include "shared/file_io_posix.h"

namespace file_io_posix {

namespace {

// What to undo when a signal ends the process: files of its own to remove (a temporary
// file, a file made only to hold a lock, a copy of standard input), or the old bytes to put
// back into a file written in place. The handler uses only calls that are safe in it, then
// lets the signal take its usual course. SIGPIPE is among them: a closed pipe on standard
// output ends the process as the others do.
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};
constexpr int kGuardSlots = 16;

struct GuardedFile {
    char path[PATH_MAX + 1] = {};
    // -1: removed whatever it holds. Otherwise removed only while the name still leads to
    // this open file and the file is empty.
    int fd = -1;
    volatile sig_atomic_t used = 0;
};

struct SignalCleanup {
    GuardedFile files[kGuardSlots];
    int inPlaceFd = -1;
    const char* backup = nullptr;
    std::size_t backupSize = 0;
    volatile sig_atomic_t hasBackup = 0;
    volatile sig_atomic_t journalSlot = -1; // kept when the old bytes could not be put back
    struct sigaction previous[std::size(kSignals)] = {};
    bool installed[std::size(kSignals)] = {};
    int users = 0;
};
SignalCleanup g_cleanup;
std::mutex g_cleanupMutex;

bool PutBackOldBytes() {
    std::size_t done = 0;
    while (done < g_cleanup.backupSize) {
        const ssize_t written = ::pwrite(g_cleanup.inPlaceFd, g_cleanup.backup + done,
                                         g_cleanup.backupSize - done, static_cast<off_t>(done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return ::ftruncate(g_cleanup.inPlaceFd, static_cast<off_t>(g_cleanup.backupSize)) == 0 &&
           ::fsync(g_cleanup.inPlaceFd) == 0;
}

void CleanUpOnSignal(int signal) {
    const int savedErrno = errno;
    // The old bytes first: their journal goes only once they are back.
    const bool putBack = g_cleanup.hasBackup == 0 || PutBackOldBytes();
    g_cleanup.hasBackup = 0;
    for (int slot = 0; slot < kGuardSlots; ++slot) {
        GuardedFile& file = g_cleanup.files[slot];
        if (file.used == 0 || (!putBack && slot == g_cleanup.journalSlot)) {
            continue;
        }
        struct stat open {};
        struct stat named {};
        if (file.fd < 0 || (::fstat(file.fd, &open) == 0 && open.st_size == 0 &&
                            ::stat(file.path, &named) == 0 && SameFile(open, named))) {
            ::unlink(file.path);
        }
        file.used = 0;
    }
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (kSignals[i] == signal && g_cleanup.installed[i]) {
            ::sigaction(signal, &g_cleanup.previous[i], nullptr);
            g_cleanup.installed[i] = false;
        }
    }
    // Delivered once this handler returns, now to the handler the program had before.
    ::raise(signal);
    errno = savedErrno;
}

// The handler is in place while anything is guarded. Call with g_cleanupMutex held.
void ArmSignals() {
    if (g_cleanup.users++ > 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = CleanUpOnSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals) {
        sigaddset(&action.sa_mask, signal);
    }
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        struct sigaction previous {};
        ::sigaction(kSignals[i], nullptr, &previous);
        // An ignored signal ends nothing, so there is nothing to undo.
        g_cleanup.installed[i] = previous.sa_handler != SIG_IGN;
        if (g_cleanup.installed[i]) {
            ::sigaction(kSignals[i], &action, &g_cleanup.previous[i]);
        }
    }
}

void DisarmSignals() {
    if (--g_cleanup.users > 0) {
        return;
    }
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (g_cleanup.installed[i]) {
            ::sigaction(kSignals[i], &g_cleanup.previous[i], nullptr);
            g_cleanup.installed[i] = false;
        }
    }
}

} // namespace

int GuardFile(const char* path, int fd) {
    const std::size_t length = std::strlen(path);
    const std::lock_guard<std::mutex> hold(g_cleanupMutex);
    for (int slot = 0; slot < kGuardSlots && length <= PATH_MAX; ++slot) {
        GuardedFile& file = g_cleanup.files[slot];
        if (file.used == 0) {
            ArmSignals();
            std::memcpy(file.path, path, length + 1);
            file.fd = fd;
            file.used = 1;
            return slot;
        }
    }
    return -1;
}

void ReleaseGuard(int& slot) {
    if (slot < 0) {
        return;
    }
    const std::lock_guard<std::mutex> hold(g_cleanupMutex);
    g_cleanup.files[slot].used = 0;
    DisarmSignals();
    slot = -1;
}

bool GuardOldBytes(int fd, const std::string& backup, int journalSlot) {
    const std::lock_guard<std::mutex> hold(g_cleanupMutex);
    if (g_cleanup.inPlaceFd >= 0) {
        return false;
    }
    ArmSignals();
    g_cleanup.inPlaceFd = fd;
    g_cleanup.backup = backup.data();
    g_cleanup.backupSize = backup.size();
    g_cleanup.journalSlot = journalSlot;
    g_cleanup.hasBackup = 1;
    return true;
}

void ReleaseOldBytes() {
    const std::lock_guard<std::mutex> hold(g_cleanupMutex);
    g_cleanup.hasBackup = 0;
    g_cleanup.inPlaceFd = -1;
    g_cleanup.journalSlot = -1;
    DisarmSignals();
}

} // namespace file_io_posix

SignalsHeld::SignalsHeld() {
    static_assert(sizeof(sigset_t) <= sizeof(m_previous));
    sigset_t held;
    sigemptyset(&held);
    for (int signal : file_io_posix::kSignals) {
        sigaddset(&held, signal);
    }
    ::pthread_sigmask(SIG_BLOCK, &held, reinterpret_cast<sigset_t*>(m_previous));
}

SignalsHeld::~SignalsHeld() {
    ::pthread_sigmask(SIG_SETMASK, reinterpret_cast<const sigset_t*>(m_previous), nullptr);
}
