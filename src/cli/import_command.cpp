// The import command.
#include "cli/import_command.h"

#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/messages.h"
#include "cli/palette_io.h"
#include "files/legacy_colour_table.h"
#include "files/palette_file.h"

int ImportLegacyTable(const std::string& iniFile, const std::string& paletteFile,
                      std::ostream& err) {
    // The editor's file dialog only lets existing files through; here a missing or
    // unreadable INI file is a mistake to report, not a table of black pens.
    if (const std::string problem = ReadProblem(iniFile); !problem.empty()) {
        err << "Cannot read INI file " << iniFile << ": " << problem << '\n';
        return kExitFailure;
    }
    // Locked from the read to the write: imports running at once must each add their
    // palette to what the one before wrote.
    const PaletteUpdateResult result =
        UpdatePaletteFile(PathFromArgument(paletteFile), [&](UI_LIST& list) {
            list.Add(NewLegacyPalette(PathFromArgument(iniFile)));
            return true;
        });
    switch (result.status) {
    case PaletteUpdateStatus::Written:
        return kExitSuccess;
    case PaletteUpdateStatus::ReadFailed:
        ReportUnreadPalettes(paletteFile, result.read, result.reason, err);
        break;
    case PaletteUpdateStatus::NoneReadable:
        err << kNoPaletteReadMessage << '\n';
        break;
    case PaletteUpdateStatus::LockFailed:
    case PaletteUpdateStatus::Declined:
    case PaletteUpdateStatus::WriteFailed:
        ReportFileProblem(err, paletteFile, result.reason);
        break;
    }
    return kExitFailure;
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
