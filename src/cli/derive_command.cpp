// The derive command.
#include "cli/derive_command.h"

#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/import_command.h"
#include "cli/lock_option.h"
#include "cli/messages.h"
#include "cli/palette_io.h"
#include "colour/derive.h"
#include "model/palette_entry.h"
#include "shared/file_io.h"

namespace {

// Derives the chosen palette's colours in list; false after reporting that there is none.
bool DeriveChosen(const DeriveRequest& request, UI_LIST& list, std::ostream& err) {
    // The list is ours to change; the lookup only reads it.
    auto* palette =
        const_cast<PaletteEntry*>(ChosenPalette(request.choice, list, request.file, err));
    if (palette == nullptr) {
        return false;
    }
    DeriveOptions options;
    options.minContrast = request.colours.minContrast;
    options.lightBackground = request.colours.lightBackground;
    options.darkBackground = request.colours.darkBackground;
    DeriveColours(*palette, request.toDark ? kDarkBackground : kLightBackground, options);
    return true;
}

// FILE rewritten in place, locked from the read to the write as import updates a file.
int DeriveInPlace(const DeriveRequest& request, std::ostream& err) {
    // A missing file would read as one without palettes; say what is really wrong.
    if (!OpenInput(request.file, err)) {
        return kExitFailure;
    }
    const PaletteUpdateResult result = UpdatePaletteFile(
        PathFromArgument(request.file),
        [&](UI_LIST& list) { return DeriveChosen(request, list, err); },
        WaitFor(request.file, request.lockTimeout, err));
    if (result.status == PaletteUpdateStatus::Declined) {
        return kExitFailure; // the palette that is not there has been named
    }
    return ReportUpdate(request.file, result, err);
}

// FILE read, the whole changed file written to OUT; OUT locked as convert locks its output.
int DeriveInto(const DeriveRequest& request, const std::string& output, std::ostream& err) {
    std::unique_ptr<FileLock> lock;
    if (!IsStandardStream(output) && !(lock = LockForWriting(output, request.lockTimeout, err))) {
        return kExitFailure;
    }
    const PaletteListPtr list = ReadPalettes(request.file, err);
    if (!list || !DeriveChosen(request, *list, err)) {
        return kExitFailure;
    }
    return WritePalettes(output, *list, err) ? kExitSuccess : kExitFailure;
}

} // namespace

int DerivePaletteFile(const DeriveRequest& request, std::ostream& err) {
    if (request.output) {
        return DeriveInto(request, *request.output, err);
    }
    if (IsStandardStream(request.file)) {
        return DeriveInto(request, "-", err);
    }
    return DeriveInPlace(request, err);
}

void AddDeriveCommand(CommandTable& table) {
    auto request = std::make_shared<DeriveRequest>();
    auto target = std::make_shared<std::string>();
    CLI::App& command = table.Add(
        "derive",
        "Make one palette's colours for one background from its colours for the other, each "
        "pen keeping its hue and reading on the new background",
        "tintora-cli derive colours.pal --to dark --palette Pastels", [request, target] {
            request->toDark = *target == "dark";
            return DerivePaletteFile(*request, std::cerr);
        });
    command.add_option("FILE", request->file, "Palette file to change (- for standard input)")
        ->required();
    command.add_option("--to", *target, "The colours to replace: dark or light")
        ->check(CLI::IsMember({"light", "dark"}))
        ->required();
    AddPaletteChoiceOptions(command, request->choice);
    AddColourOptions(command, request->colours, 4.5);
    command
        .add_option("-o,--output", request->output,
                    "Write the changed file here and leave FILE as it is (- for standard output)")
        ->option_text("OUT");
    AddLockTimeoutOption(command, request->lockTimeout);
}
