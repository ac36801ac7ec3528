// The shutdown signals on POSIX systems: a handler that only writes the signal's number to a
// non-blocking pipe (the one thing safe to do in it).
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <initializer_list>

#include <fcntl.h>
#include <unistd.h>

#include "shared/shutdown_signals.h"

namespace {

int g_pipe[2] = {-1, -1};

void NoteSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    // A full pipe already holds a signal to act on; this one can go.
    (void)!::write(g_pipe[1], &number, 1);
    errno = savedErrno;
}

bool MakePipe() {
    if (::pipe(g_pipe) != 0) {
        return false;
    }
    for (int fd : g_pipe) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    return true;
}

} // namespace

int WatchShutdownSignals() {
    static const int fd = [] {
        if (!MakePipe()) {
            return -1;
        }
        struct sigaction action {};
        action.sa_handler = NoteSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : {SIGTERM, SIGHUP}) {
            struct sigaction previous {};
            ::sigaction(signal, nullptr, &previous);
            // Ignored on purpose by whoever started us (nohup): it stays ignored.
            if (previous.sa_handler != SIG_IGN) {
                ::sigaction(signal, &action, nullptr);
            }
        }
        return g_pipe[0];
    }();
    return fd;
}

int TakeShutdownSignal() {
    unsigned char number = 0;
    if (g_pipe[0] < 0 || ::read(g_pipe[0], &number, 1) != 1) {
        return 0;
    }
    return number;
}

void EndBySignal(int signal) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, signal);
    ::sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
    ::raise(signal);
    std::_Exit(128 + signal);
}
