// Windows sends no shutdown signals to a window program; it closes the window instead,
// which keeps what must be kept on its own.
#include <cstdlib>

#include "shared/shutdown_signals.h"

int WatchShutdownSignals() {
    return -1;
}

int TakeShutdownSignal() {
    return 0;
}

void EndBySignal(int signal) {
    std::_Exit(128 + signal);
}
