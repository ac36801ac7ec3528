// The options audit and derive share: the contrast to reach and the two backgrounds.
#pragma once

#include "colour/contrast.h"
#include "model/colour.h"

namespace CLI {
class App;
} // namespace CLI

struct ColourOptions {
    double minContrast = 0;
    COLORREF lightBackground = kLightPaper;
    COLORREF darkBackground = kDarkPaper;
};

// Adds --min-contrast R (default defaultContrast), --light-background COLOUR and
// --dark-background COLOUR to command.
void AddColourOptions(CLI::App& command, ColourOptions& options, double defaultContrast);
