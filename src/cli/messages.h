// How tintora-cli reports: "tintora-cli: FILE: reason", the form GNU tools use, with the
// system's own words for the reason wherever the system gives one.
#pragma once

#include <ostream>
#include <string_view>

inline constexpr std::string_view kProgramName = "tintora-cli";

// A file that names palettes none of which could be read: rewriting it would lose them.
inline constexpr std::string_view kNoPaletteReadMessage = "no palette in it could be read";

// Another program holds the lock of a file to be written.
inline constexpr std::string_view kWaitingForLockMessage =
    "waiting for another program to finish with it";
inline constexpr std::string_view kStillLockedMessage =
    "still in use by another program; nothing was changed";

// A file found half-written by a save that was killed, put back from its journal.
inline constexpr std::string_view kRecoveredMessage =
    "put back as it was before a save that was interrupted";

// "tintora-cli: FILE: reason".
void ReportFileError(std::ostream& err, std::string_view file, std::string_view reason);
// "tintora-cli: reason", for what concerns no one file.
void ReportError(std::ostream& err, std::string_view reason);
// "tintora-cli: FILE: warning: reason".
void ReportFileWarning(std::ostream& err, std::string_view file, std::string_view reason);
