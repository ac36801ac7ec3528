// The system asking the program to end (SIGTERM, or SIGHUP when the session ends) turned
// into something an event loop can wait for: a byte on a pipe. The program can then keep
// what must be kept outside the signal handler, where any call is allowed, and end as the
// signal would have ended it.
#pragma once

// Starts catching the shutdown signals (once per process; later calls give the same) and
// returns the descriptor that becomes readable when one arrives; -1 where the system has no
// such signals or the pipe cannot be made.
int WatchShutdownSignals();

// The signal that arrived, read from the descriptor; 0 when none is waiting.
int TakeShutdownSignal();

// Ends the process as signal would have had nothing caught it.
[[noreturn]] void EndBySignal(int signal);
