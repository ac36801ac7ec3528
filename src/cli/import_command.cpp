// The import command.
#include "cli/import_command.h"

#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/format_io.h"
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
        ReportFileError(err, paletteFile, kNoPaletteReadMessage);
        return nullptr;
    }
    return list;
}

// The older product's colour table as a palette list of one.
PaletteListPtr LegacyPalettes(const std::string& iniFile, std::ostream& err) {
    // The editor's file dialog only lets existing files through; here a missing or
    // unreadable INI file is a mistake to report, not a table of black pens.
    if (!IsStandardStream(iniFile) && !OpenInput(iniFile, err)) {
        return nullptr;
    }
    PaletteListPtr list(new UI_LIST(nullptr));
    if (!WithReadablePath(iniFile, err,
                          [&list](const CString& path) { list->Add(NewLegacyPalette(path)); })) {
        return nullptr;
    }
    return list;
}

// .gpl, .hex and .json sources by their extension (or --from); anything else is the older
// product's INI file, as it always was.
PaletteListPtr SourcePalettes(const std::string& source, const std::optional<std::string>& from,
                              std::ostream& err) {
    std::optional<PaletteFormat> format =
        from && *from != "ini" ? FormatFromName(*from) : std::nullopt;
    if (!from) {
        format = FormatFromPath(source);
    }
    if (format == PaletteFormat::Gpl || format == PaletteFormat::Hex ||
        format == PaletteFormat::Json) {
        return ReadPalettesAs(source, *format, err);
    }
    return LegacyPalettes(source, err);
}

} // namespace

int ImportPalettes(const ImportRequest& request, std::ostream& err) {
    if (IsStandardStream(request.source) && IsStandardStream(request.paletteFile)) {
        ReportError(err, "standard input can be read only once; name a file for SOURCE or FILE");
        return kExitUsage;
    }
    const PaletteListPtr source = SourcePalettes(request.source, request.from, err);
    if (!source) {
        return kExitFailure;
    }
    const PaletteListPtr list = PalettesToExtend(request.paletteFile, err);
    if (!list) {
        return kExitFailure;
    }
    while (UI_ELEMENT* palette = source->First()) {
        list->Add(source->Subtract(palette));
    }
    return WritePalettes(request.paletteFile, *list, err) ? kExitSuccess : kExitFailure;
}

void AddImportCommand(CommandTable& table) {
    auto request = std::make_shared<ImportRequest>();
    CLI::App& command = table.Add(
        "import", "Append the palettes of SOURCE (.gpl, .hex, .json or an INI file) to FILE",
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
                    "Format of SOURCE when its extension does not say: ini, gpl, hex or json")
        ->option_text("FMT")
        ->check(CLI::IsMember({"ini", "gpl", "hex", "json"}, CLI::ignore_case));
}
