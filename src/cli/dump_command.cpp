// The dump command.
#include "cli/dump_command.h"

#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/format_io.h"
#include "model/palette_entry.h"

int DumpPaletteFile(const std::string& file, std::ostream& err) {
    const PaletteListPtr list = ReadPalettes(file, err);
    if (!list) {
        return kExitFailure;
    }
    // Written a palette at a time: the output of a big file is never held whole.
    return WritePalettesAs("-", PaletteFormat::Json, *list, kLightBackground, err) ? kExitSuccess
                                                                                   : kExitFailure;
}

void AddDumpCommand(CommandTable& table) {
    auto file = std::make_shared<std::string>();
    CLI::App& command = table.Add("dump", "Print the palettes of FILE as JSON on standard output",
                                  "tintora-cli dump colours.pal > colours.json",
                                  [file] { return DumpPaletteFile(*file, std::cerr); });
    command.add_option("FILE", *file, "Palette file to read (- for standard input)")->required();
}
