// tintora-cli's error and warning lines.
#include "cli/messages.h"

void ReportFileError(std::ostream& err, std::string_view file, std::string_view reason) {
    err << kProgramName << ": " << file << ": " << reason << '\n';
}

void ReportError(std::ostream& err, std::string_view reason) {
    err << kProgramName << ": " << reason << '\n';
}

void ReportFileWarning(std::ostream& err, std::string_view file, std::string_view reason) {
    err << kProgramName << ": " << file << ": warning: " << reason << '\n';
}
