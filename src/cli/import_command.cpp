// The import command.
#include "cli/import_command.h"

#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/format_io.h"
#include "cli/messages.h"
#include "cli/palette_io.h"
#include "files/legacy_colour_table.h"
#include "files/palette_file.h"

namespace {

// The older product's colour table as a palette list of one.
PaletteListPtr LegacyPalettes(const std::string& iniFile, std::ostream& err) {
    // The editor's file dialog only lets existing files through; here a missing or
    // unreadable INI file is a mistake to report, not a table of black pens.
    if (!IsStandardStream(iniFile) && !OpenInput(iniFile, err)) {
        return nullptr;
    }
    // Any file may be named here, and every file reads as a table of black pens: only one
    // that holds the table is taken.
    PaletteListPtr list(new UI_LIST(nullptr));
    std::string problem;
    if (!WithReadablePath(iniFile, err, [&](const CString& path) {
            problem = LegacyColourTableProblem(path);
            if (problem.empty()) {
                list->Add(NewLegacyPalette(path));
            }
        })) {
        return nullptr;
    }
    if (!problem.empty()) {
        ReportFileError(err, iniFile, problem);
        return nullptr;
    }
    return list;
}

// Sources in a format of their own, by extension (or --from): palette files (JASC and RIFF
// ones too), .gpl, .hex, .json, .css, .ase and .aco. Anything else is the older product's
// INI file, as it always was.
PaletteListPtr SourcePalettes(const std::string& source, const std::optional<std::string>& from,
                              std::ostream& err) {
    std::optional<PaletteFormat> format =
        from && *from != "ini" ? FormatFromName(*from) : std::nullopt;
    if (!from) {
        format = FormatFromPath(source);
    }
    return format ? ReadPalettesAs(source, *format, err) : LegacyPalettes(source, err);
}

// Moves every palette of from to the end of to, in order.
void MoveAll(UI_LIST& from, UI_LIST& to) {
    while (UI_ELEMENT* palette = from.First()) {
        to.Add(from.Subtract(palette));
    }
}

// The palettes of standard input with source's after them, to standard output. No lock:
// a stream is no file another process could be saving.
int ExtendStandardInput(UI_LIST& source, std::ostream& err) {
    const PaletteListPtr list = ReadPalettes("-", err);
    if (!list) {
        return kExitFailure;
    }
    if (list->Count() == 0) {
        // Writing back would drop the palettes that could not be read.
        ReportFileError(err, "-", kNoPaletteReadMessage);
        return kExitFailure;
    }
    MoveAll(source, *list);
    return WritePalettes("-", *list, err) ? kExitSuccess : kExitFailure;
}

} // namespace

int ReportUpdate(const std::string& paletteFile, const PaletteUpdateResult& result,
                 std::ostream& err) {
    switch (result.status) {
    case PaletteUpdateStatus::Written:
        return kExitSuccess;
    case PaletteUpdateStatus::ReadFailed:
        ReportUnreadPalettes(paletteFile, result.read, result.reason, err);
        break;
    case PaletteUpdateStatus::NoneReadable:
        ReportFileError(err, paletteFile, kNoPaletteReadMessage);
        break;
    case PaletteUpdateStatus::LockTimedOut:
        ReportFileError(err, paletteFile, kStillLockedMessage);
        break;
    case PaletteUpdateStatus::LockFailed:
    case PaletteUpdateStatus::Declined:
    case PaletteUpdateStatus::WriteFailed:
        ReportFileError(err, paletteFile, result.reason);
        break;
    }
    return kExitFailure;
}

int ImportPalettes(const ImportRequest& request, std::ostream& err) {
    if (IsStandardStream(request.source) && IsStandardStream(request.paletteFile)) {
        ReportError(err, "standard input can be read only once; name a file for SOURCE or FILE");
        return kExitUsage;
    }
    const PaletteListPtr source = SourcePalettes(request.source, request.from, err);
    if (!source) {
        return kExitFailure;
    }
    if (IsStandardStream(request.paletteFile)) {
        return ExtendStandardInput(*source, err);
    }
    // Locked from the read to the write: imports running at once must each add their
    // palettes to what the one before wrote.
    const PaletteUpdateResult result = UpdatePaletteFile(
        PathFromArgument(request.paletteFile),
        [&source](UI_LIST& list) {
            MoveAll(*source, list);
            return true;
        },
        WaitFor(request.paletteFile, request.lockTimeout, err));
    return ReportUpdate(request.paletteFile, result, err);
}

void AddImportCommand(CommandTable& table) {
    auto request = std::make_shared<ImportRequest>();
    CLI::App& command = table.Add(
        "import",
        "Append the palettes of SOURCE (.pal, .gpl, .hex, .json, .css, .ase, .aco or an INI "
        "file) to FILE",
        "tintora-cli import Web.gpl colours.pal",
        [request] { return ImportPalettes(*request, std::cerr); });
    command
        .add_option("SOURCE", request->source,
                    "File to import (- for standard input, read as INI unless --from says)")
        ->required();
    command
        .add_option(
            "FILE", request->paletteFile,
            "Palette file to extend or create (- reads standard input, writes standard output)")
        ->required();
    command
        .add_option("--from", request->from,
                    "Format of SOURCE when its extension does not say: ini, pal, gpl, hex, json, "
                    "css, ase, aco, jasc or riff")
        ->option_text("FMT")
        ->check(
            CLI::IsMember({"ini", "pal", "gpl", "hex", "json", "css", "ase", "aco", "jasc", "riff"},
                          CLI::ignore_case));
    AddLockTimeoutOption(command, request->lockTimeout);
}
