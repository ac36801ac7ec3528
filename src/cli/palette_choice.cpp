// Choosing one palette of a file by name or position.
#include "cli/palette_choice.h"

#include <CLI/CLI.hpp>

#include "cli/messages.h"
#include "model/palette_entry.h"
#include "shared/text_encoding.h"

void AddPaletteChoiceOptions(CLI::App& command, PaletteChoice& choice) {
    CLI::Option* name =
        command.add_option("--palette", choice.name, "The first palette named NAME")
            ->option_text("NAME");
    command
        .add_option("--index", choice.index,
                    "The palette at position N in the file, counted from 0 (default 0)")
        ->option_text("N")
        ->check(CLI::NonNegativeNumber)
        ->excludes(name);
}

const PaletteEntry* ChosenPalette(const PaletteChoice& choice, const UI_LIST& list,
                                  const std::string& file, std::ostream& err) {
    if (choice.name) {
        const CString name = FromUtf8(*choice.name);
        for (int i = 0; i < static_cast<int>(list.Count()); ++i) {
            if (const PaletteEntry* palette = PaletteAt(list, i);
                palette && palette->m_Name == name) {
                return palette;
            }
        }
        ReportFileError(err, file, "no palette named \"" + *choice.name + "\"");
        return nullptr;
    }
    const int index = choice.index.value_or(0);
    if (const PaletteEntry* palette = PaletteAt(list, index); palette != nullptr) {
        return palette;
    }
    if (list.Count() == 0) {
        ReportFileError(err, file, kNoPaletteReadMessage);
    } else {
        ReportFileError(err, file,
                        "no palette at position " + std::to_string(index) + " (it holds " +
                            std::to_string(list.Count()) + ", counted from 0)");
    }
    return nullptr;
}
