// The lock wait of tintora-cli's writing commands.
#include "cli/lock_option.h"

#include <CLI/CLI.hpp>

#include "cli/messages.h"
#include "cli/palette_io.h"

void AddLockTimeoutOption(CLI::App& command, LockTimeout& timeout) {
    command
        .add_option("--lock-timeout", timeout.seconds,
                    "Seconds to wait while another program holds FILE's lock, as \"flock FILE "
                    "command\" takes it (default 30; 0 waits for ever)")
        ->option_text("SECONDS")
        ->check(CLI::NonNegativeNumber);
}

LockWait WaitFor(const std::string& path, const LockTimeout& timeout, std::ostream& err) {
    return {timeout.seconds, [path, &err] {
                ReportFileError(err, path, kWaitingForLockMessage);
                err.flush();
            }};
}

void ReportLockFailure(const std::string& path, const FileLock& lock, std::ostream& err) {
    ReportFileError(err, path, lock.TimedOut() ? kStillLockedMessage : lock.Error());
}

std::unique_ptr<FileLock> LockForWriting(const std::string& path, const LockTimeout& timeout,
                                         std::ostream& err) {
    auto lock = std::make_unique<FileLock>(PathFromArgument(path), WaitFor(path, timeout, err));
    if (!lock->IsLocked()) {
        ReportLockFailure(path, *lock, err);
        return nullptr;
    }
    return lock;
}
