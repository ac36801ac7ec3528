// The default command.
#include "cli/default_command.h"

#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/palette_io.h"
#include "model/palette_entry.h"

int WriteDefaultPalette(const std::string& file, std::ostream& err) {
    const PaletteListPtr list(NewDefaultPaletteList());
    return WritePalettes(file, *list, err) ? kExitSuccess : kExitFailure;
}

void AddDefaultCommand(CommandTable& table) {
    auto file = std::make_shared<std::string>();
    CLI::App& command =
        table.Add("default", "Write the built-in default palette to FILE, replacing it",
                  "tintora-cli default colours.pal",
                  [file] { return WriteDefaultPalette(*file, std::cerr); });
    command.add_option("FILE", *file, "Palette file to write (- for standard output)")->required();
}
