// How tintora-cli reports: "tintora-cli: FILE: reason", the form GNU tools use, with the
// system's own words for the reason wherever the system gives one.
#pragma once

#include <ostream>
#include <string_view>

inline constexpr std::string_view kProgramName = "tintora-cli";

// A file that names palettes none of which could be read: rewriting it would lose them.
inline constexpr std::string_view kNoPaletteReadMessage = "no palette in it could be read";

// "tintora-cli: FILE: reason".
void ReportFileError(std::ostream& err, std::string_view file, std::string_view reason);
// "tintora-cli: reason", for what concerns no one file.
void ReportError(std::ostream& err, std::string_view reason);
// "tintora-cli: FILE: warning: reason".
void ReportFileWarning(std::ostream& err, std::string_view file, std::string_view reason);
