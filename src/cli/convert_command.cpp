// The convert command.
#include "cli/convert_command.h"

#include <iostream>
#include <memory>
#include <optional>

#include <CLI/CLI.hpp>

#include "cli/format_io.h"
#include "cli/messages.h"
#include "cli/palette_io.h"
#include "model/palette_entry.h"
#include "shared/file_io.h"

namespace {

const std::vector<std::string> kFormatNames = {"pal", "json", "gpl",  "hex", "css",
                                               "ase", "aco",  "jasc", "riff"};

// The chosen palette alone, as a list of its own (a copy: the list owns its palettes).
PaletteListPtr ChosenOnly(const ConvertRequest& request, const UI_LIST& list, std::ostream& err) {
    const PaletteEntry* chosen = ChosenPalette(request.choice, list, request.input, err);
    if (chosen == nullptr) {
        return nullptr;
    }
    auto copy = std::make_unique<PaletteEntry>();
    copy->m_Name = chosen->m_Name;
    copy->m_Description = chosen->m_Description;
    copy->m_Colours = chosen->m_Colours;
    PaletteListPtr only(new UI_LIST(nullptr));
    only->Add(copy.release());
    return only;
}

} // namespace

int ConvertPalettes(const ConvertRequest& request, std::ostream& err) {
    const std::optional<PaletteFormat> from = FormatFor(request.input, request.from, "--from", err);
    const std::optional<PaletteFormat> to = FormatFor(request.output, request.to, "--to", err);
    if (!from || !to) {
        return kExitUsage;
    }
    // OUT is locked from before the read (IN may be OUT) to the write, as import locks it,
    // so that a conversion and imports into one file never lose each other's work.
    std::unique_ptr<FileLock> lock;
    if (!IsStandardStream(request.output) &&
        !(lock = LockForWriting(request.output, request.lockTimeout, err))) {
        return kExitFailure;
    }
    PaletteListPtr list = ReadPalettesAs(request.input, *from, err);
    if (!list) {
        return kExitFailure;
    }
    // .pal and JSON carry every palette unless one is chosen; the others carry one, so a
    // chosen one goes first.
    const bool allPalettes =
        (*to == PaletteFormat::Pal || *to == PaletteFormat::Json) && !request.choice.Made();
    if (!allPalettes) {
        list = ChosenOnly(request, *list, err);
        if (!list) {
            return kExitFailure;
        }
    }
    const int variant = request.dark ? kDarkBackground : kLightBackground;
    return WritePalettesAs(request.output, *to, *list, variant, err) ? kExitSuccess : kExitFailure;
}

void AddConvertCommand(CommandTable& table) {
    auto request = std::make_shared<ConvertRequest>();
    auto background = std::make_shared<std::string>("light");
    CLI::App& command = table.Add(
        "convert",
        "Convert palettes between .pal, JSON, GIMP (.gpl), hex lists, CSS, Adobe swatches (.ase, "
        ".aco), JASC and RIFF palettes",
        "tintora-cli convert colours.pal colours.gpl --palette Pastels", [request, background] {
            request->dark = *background == "dark";
            return ConvertPalettes(*request, std::cerr);
        });
    command.add_option("IN", request->input, "File to read (- for standard input)")->required();
    command.add_option("OUT", request->output, "File to write (- for standard output)")->required();
    AddPaletteChoiceOptions(command, request->choice);
    command
        .add_option("--background", *background,
                    "Which colours go to the formats that hold one variant: gpl, hex, aco, jasc, "
                    "riff (default light)")
        ->check(CLI::IsMember({"light", "dark"}));
    command
        .add_option("--from", request->from,
                    "Format of IN when its extension does not say: pal, json, gpl, hex, css, ase, "
                    "aco, jasc or riff (a .pal holding JASC or RIFF is told by its content)")
        ->option_text("FMT")
        ->check(CLI::IsMember(kFormatNames, CLI::ignore_case));
    command
        .add_option("--to", request->to,
                    "Format of OUT when its extension does not say: pal, json, gpl, hex, css, ase, "
                    "aco, jasc or riff (a .pal is written as Tintora's own unless jasc or riff)")
        ->option_text("FMT")
        ->check(CLI::IsMember(kFormatNames, CLI::ignore_case));
    AddLockTimeoutOption(command, request->lockTimeout);
}
