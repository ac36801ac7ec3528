// tintora-cli import SOURCE FILE: appends the palettes of a GIMP palette, a hex list or a
// JSON file, or the colour table of the older product's INI file, to a palette file,
// creating the palette file when there is none.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/command_table.h"
#include "cli/lock_option.h"

struct ImportRequest {
    std::string source;
    std::string paletteFile;
    std::optional<std::string> from; // ini, gpl, hex or json; the extension decides without
    LockTimeout lockTimeout;
};

int ImportPalettes(const ImportRequest& request, std::ostream& err);

void AddImportCommand(CommandTable& table);

struct PaletteUpdateResult;

// The exit code of a locked update of paletteFile (UpdatePaletteFile), after reporting why
// it failed; a change that declined has reported its own reason.
int ReportUpdate(const std::string& paletteFile, const PaletteUpdateResult& result,
                 std::ostream& err);
