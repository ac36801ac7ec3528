// Options for colours and contrast.
#include "cli/colour_options.h"

#include <cstdio>
#include <string>

#include <CLI/CLI.hpp>

#include "files/formats/palette_format.h"

namespace {

void AddBackgroundOption(CLI::App& command, const std::string& name, COLORREF& colour,
                         const std::string& help) {
    command
        .add_option_function<std::string>(
            name, [&colour](const std::string& text) { colour = *ParseHexColour(text, true); },
            help + " (default " + ColourHex(colour) + ")")
        ->option_text("COLOUR")
        ->check(CLI::Validator(
            [](std::string& text) {
                return text.starts_with('#') && ParseHexColour(text, true)
                           ? std::string()
                           : "'" + text + "' is not a colour written #rrggbb";
            },
            "COLOUR"));
}

} // namespace

void AddColourOptions(CLI::App& command, ColourOptions& options, double defaultContrast) {
    options.minContrast = defaultContrast;
    char text[32];
    std::snprintf(text, sizeof text, "%g", defaultContrast);
    command
        .add_option("--min-contrast", options.minContrast,
                    std::string("Contrast ratio a pen needs against its background, 1 to 21 "
                                "(default ") +
                        text + ")")
        ->option_text("R")
        ->check(CLI::Range(1.0, 21.0));
    AddBackgroundOption(command, "--light-background", options.lightBackground,
                        "Background of the light colours");
    AddBackgroundOption(command, "--dark-background", options.darkBackground,
                        "Background of the dark colours");
}
