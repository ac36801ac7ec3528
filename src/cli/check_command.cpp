// The check command.
#include "cli/check_command.h"

#include <cerrno>
#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/messages.h"
#include "cli/palette_io.h"
#include "files/palette_check.h"
#include "shared/file_io.h"
#include "shared/text_encoding.h"

namespace {

// Distinct from "there are findings", so that scripts can tell a bad file from no file.
constexpr int kExitUnreadable = 2;

// "FILE:LINE: warning: message", the form compilers use, so that editors jump to the line
// and tell warnings from errors.
void PrintFinding(std::ostream& out, const std::string& file, const PaletteFinding& finding) {
    out << file << ':';
    if (finding.line != 0) {
        out << finding.line << ':';
    }
    out << (finding.kind == FindingKind::Error ? " error: " : " warning: ")
        << ToUtf8(finding.message) << '\n';
}

} // namespace

int CheckPaletteFileCommand(const std::string& file, std::ostream& out, std::ostream& err) {
    const FilePtr input = OpenInput(file, err);
    if (!input) {
        return kExitUnreadable;
    }
    // Each finding is printed as it is found, so memory does not grow with their number.
    const std::optional<std::size_t> findings = CheckPaletteStream(
        input.get(), [&](const PaletteFinding& finding) { PrintFinding(out, file, finding); });
    if (!findings) {
        ReportFileError(err, file, SystemErrorText(errno));
        return kExitUnreadable;
    }
    errno = 0;
    if (!out.flush()) {
        ReportFileError(err, "standard output", SystemErrorText(errno));
        return kExitUnreadable;
    }
    return *findings == 0 ? kExitSuccess : kExitFailure;
}

void AddCheckCommand(CommandTable& table) {
    auto file = std::make_shared<std::string>();
    CLI::App& command =
        table.Add("check", "Report every line of FILE that the editor ignores or reads differently",
                  "tintora-cli check colours.pal",
                  [file] { return CheckPaletteFileCommand(*file, std::cout, std::cerr); });
    command.add_option("FILE", *file, "Palette file to check (- for standard input)")->required();
}
