// The import command.
#include "cli/import_command.h"

#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/messages.h"
#include "cli/palette_io.h"
#include "files/legacy_colour_table.h"

namespace {

// The palettes already in paletteFile, or a new empty list when there is no such file.
// Null after reporting a file that is there but cannot be read, which is left alone.
PaletteListPtr PalettesToExtend(const std::string& paletteFile, std::ostream& err) {
    if (!PathExists(paletteFile)) {
        return PaletteListPtr(new UI_LIST(nullptr));
    }
    PaletteListPtr list = ReadPalettes(paletteFile, err);
    if (list && list->Count() == 0) {
        // Writing back would replace the palettes that could not be read.
        err << kNoPaletteReadMessage << '\n';
        return nullptr;
    }
    return list;
}

} // namespace

int ImportLegacyTable(const std::string& iniFile, const std::string& paletteFile,
                      std::ostream& err) {
    // The editor's file dialog only lets existing files through; here a missing or
    // unreadable INI file is a mistake to report, not a table of black pens.
    if (const std::string problem = ReadProblem(iniFile); !problem.empty()) {
        err << "Cannot read INI file " << iniFile << ": " << problem << '\n';
        return kExitFailure;
    }
    const PaletteListPtr list = PalettesToExtend(paletteFile, err);
    if (!list) {
        return kExitFailure;
    }
    list->Add(NewLegacyPalette(PathFromArgument(iniFile)));
    return WritePalettes(paletteFile, *list, err) ? kExitSuccess : kExitFailure;
}

void AddImportCommand(CommandTable& table) {
    auto iniFile = std::make_shared<std::string>();
    auto paletteFile = std::make_shared<std::string>();
    CLI::App& command = table.Add(
        "import", "Append the colour table of INI to FILE as a new palette \"Veldra 3\"",
        [iniFile, paletteFile] { return ImportLegacyTable(*iniFile, *paletteFile, std::cerr); });
    command.add_option("INI", *iniFile, "INI file of the older product to read")->required();
    command.add_option("FILE", *paletteFile, "Palette file to extend or create")->required();
}
