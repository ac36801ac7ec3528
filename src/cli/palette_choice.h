// --palette NAME | --index N: which palette of a file a command works on.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "shared/ui_list.h"

namespace CLI {
class App;
} // namespace CLI

class PaletteEntry;

struct PaletteChoice {
    std::optional<std::string> name;
    std::optional<int> index; // counted from 0

    bool Made() const { return name || index; }
};

// Adds the two options, which exclude each other, to command.
void AddPaletteChoiceOptions(CLI::App& command, PaletteChoice& choice);

// The palette chosen from the list read from file (the first when none is chosen); null
// after reporting why there is none.
const PaletteEntry* ChosenPalette(const PaletteChoice& choice, const UI_LIST& list,
                                  const std::string& file, std::ostream& err);
