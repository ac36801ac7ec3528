// The check command.
#include "cli/check_command.h"

#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/palette_io.h"
#include "files/palette_check.h"
#include "shared/text_encoding.h"

namespace {

// Distinct from "there are findings", so that scripts can tell a bad file from no file.
constexpr int kExitUnreadable = 2;

} // namespace

int CheckPaletteFileCommand(const std::string& file, std::ostream& out, std::ostream& err) {
    const auto findings = CheckPaletteFile(PathFromArgument(file));
    if (!findings) {
        const std::string problem = ReadProblem(file);
        err << "Cannot read palette file " << file << ": "
            << (problem.empty() ? "not a regular file" : problem) << '\n';
        return kExitUnreadable;
    }
    // FILE:LINE: message, the form editors know how to jump from.
    for (const PaletteFinding& finding : *findings) {
        out << file << ':';
        if (finding.line != 0) {
            out << finding.line << ':';
        }
        out << ' ' << ToUtf8(finding.message) << '\n';
    }
    if (!out.flush()) {
        err << "Failed to write to standard output\n";
        return kExitUnreadable;
    }
    return findings->empty() ? kExitSuccess : kExitFailure;
}

void AddCheckCommand(CommandTable& table) {
    auto file = std::make_shared<std::string>();
    CLI::App& command =
        table.Add("check", "Report every line of FILE that the editor ignores or reads differently",
                  [file] { return CheckPaletteFileCommand(*file, std::cout, std::cerr); });
    command.add_option("FILE", *file, "Palette file to check")->required();
}
