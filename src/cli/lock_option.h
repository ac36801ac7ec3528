// How a command that writes a file waits for another program that holds the file's lock:
// the --lock-timeout option, a line on standard error once the wait has lasted a second,
// and giving up when the time runs out. A command that writes gets all of it from
// AddLockTimeoutOption and LockForWriting.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "shared/file_io.h"

namespace CLI {
class App;
} // namespace CLI

struct LockTimeout {
    double seconds = 30; // 0 waits for ever
};

// Adds --lock-timeout SECONDS to command.
void AddLockTimeoutOption(CLI::App& command, LockTimeout& timeout);

// The wait for the lock of path as timeout says, telling err when it lasts.
LockWait WaitFor(const std::string& path, const LockTimeout& timeout, std::ostream& err);

// Reports why the lock of path could not be taken.
void ReportLockFailure(const std::string& path, const FileLock& lock, std::ostream& err);

// The file at path locked for writing; null after reporting why it cannot be.
std::unique_ptr<FileLock> LockForWriting(const std::string& path, const LockTimeout& timeout,
                                         std::ostream& err);
