// The default command.
#include "cli/default_command.h"

#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/palette_io.h"
#include "model/palette_entry.h"

int WriteDefaultPalette(const std::string& file, const LockTimeout& timeout, std::ostream& err) {
    // Locked as import locks it, so that an import that waited cannot write over this file
    // with what it read before.
    std::unique_ptr<FileLock> lock;
    if (!IsStandardStream(file) && !(lock = LockForWriting(file, timeout, err))) {
        return kExitFailure;
    }
    const PaletteListPtr list(NewDefaultPaletteList());
    return WritePalettes(file, *list, err) ? kExitSuccess : kExitFailure;
}

void AddDefaultCommand(CommandTable& table) {
    auto file = std::make_shared<std::string>();
    auto timeout = std::make_shared<LockTimeout>();
    CLI::App& command =
        table.Add("default", "Write the built-in default palette to FILE, replacing it",
                  "tintora-cli default colours.pal",
                  [file, timeout] { return WriteDefaultPalette(*file, *timeout, std::cerr); });
    command.add_option("FILE", *file, "Palette file to write (- for standard output)")->required();
    AddLockTimeoutOption(command, *timeout);
}
