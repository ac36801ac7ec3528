// The dump command.
#include "cli/dump_command.h"

#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/json_dump.h"
#include "cli/palette_io.h"

int DumpPaletteFile(const std::string& file, std::ostream& out, std::ostream& err) {
    const PaletteListPtr list = ReadPalettes(file, err);
    if (!list) {
        return kExitFailure;
    }
    WritePaletteJson(*list, out);
    // A full disk or a closed pipe must not pass for a complete dump.
    if (!out.flush()) {
        err << "Failed to write to standard output\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

void AddDumpCommand(CommandTable& table) {
    auto file = std::make_shared<std::string>();
    CLI::App& command = table.Add("dump", "Print the palettes of FILE as JSON on standard output",
                                  [file] { return DumpPaletteFile(*file, std::cout, std::cerr); });
    command.add_option("FILE", *file, "Palette file to read")->required();
}
