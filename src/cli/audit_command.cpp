// The audit command.
#include "cli/audit_command.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/messages.h"
#include "cli/palette_io.h"
#include "colour/audit.h"
#include "files/formats/json_format.h"
#include "files/formats/palette_format.h"
#include "shared/file_io.h"
#include "shared/text_encoding.h"

namespace {

// As a check of the file, audit reports a file it cannot read apart from findings.
constexpr int kExitUnreadable = 2;

std::string Shortest(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// value with at least `decimals` decimals, and more where fewer would round it up to limit:
// "2.999 (below 3)" rather than "3.00 (below 3)".
std::string Below(double value, double limit, int decimals) {
    char text[32];
    for (; decimals < 9; ++decimals) {
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        if (std::strtod(text, nullptr) < limit) {
            break;
        }
    }
    return text;
}

const char* BackgroundName(int variant) {
    return variant == kDarkBackground ? "dark" : "light";
}

std::string VisionWords(Vision vision) {
    return vision == Vision::Normal ? "normal vision" : VisionName(vision);
}

void PrintText(std::ostream& out, const std::string& where, const AuditFinding& finding,
               const AuditOptions& options) {
    out << where;
    if (finding.kind == AuditKind::Contrast) {
        out << "pen " << finding.pen << ": " << BackgroundName(finding.variant) << ' '
            << ColourHex(finding.colour) << " has contrast "
            << Below(finding.value, options.minContrast, 2) << ":1 against "
            << ColourHex(finding.against) << " (below " << Shortest(options.minContrast) << ":1)\n";
    } else {
        out << "pens " << finding.pen << " and " << finding.otherPen << ": "
            << BackgroundName(finding.variant) << " colours differ by "
            << Below(finding.value, options.minDifference, 2) << " for "
            << VisionWords(finding.vision) << " (below " << Shortest(options.minDifference)
            << ")\n";
    }
}

void AppendJson(std::string& json, const AuditFinding& finding, const AuditOptions& options) {
    const std::string background =
        std::string("\"background\":\"") + BackgroundName(finding.variant) + "\"";
    if (finding.kind == AuditKind::Contrast) {
        json += "{\"kind\":\"contrast\",\"pen\":" + std::to_string(finding.pen) + "," + background +
                ",\"colour\":\"" + ColourHex(finding.colour) + "\",\"against\":\"" +
                ColourHex(finding.against) +
                "\",\"ratio\":" + Below(finding.value, options.minContrast, 3) + "}";
    } else {
        json += "{\"kind\":\"similar\",\"pens\":[" + std::to_string(finding.pen) + "," +
                std::to_string(finding.otherPen) + "]," + background + ",\"vision\":\"" +
                VisionName(finding.vision) +
                "\",\"difference\":" + Below(finding.value, options.minDifference, 3) + "}";
    }
}

void PrintJson(std::ostream& out, const PaletteEntry& palette,
               const std::vector<AuditFinding>& findings, const AuditOptions& options) {
    std::string json = "{\"palettes\":[{\"name\":";
    AppendJsonString(json, ToUtf8(palette.m_Name));
    json += ",\"findings\":[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        if (i != 0) {
            json += ',';
        }
        AppendJson(json, findings[i], options);
    }
    json += "]}]}\n";
    out << json;
}

} // namespace

int AuditPaletteFile(const AuditRequest& request, std::ostream& out, std::ostream& err) {
    AuditOptions options;
    options.pens = ParsePenList(request.pens).pens; // checked when the command line was read
    options.minContrast = request.colours.minContrast;
    options.minDifference = request.minDifference;
    options.lightBackground = request.colours.lightBackground;
    options.darkBackground = request.colours.darkBackground;

    const PaletteListPtr list = ReadPalettes(request.file, err);
    if (!list) {
        return kExitUnreadable;
    }
    const PaletteEntry* palette = ChosenPalette(request.choice, *list, request.file, err);
    if (palette == nullptr) {
        return kExitUnreadable;
    }
    const std::vector<AuditFinding> findings = AuditPalette(*palette, options);
    if (request.json) {
        PrintJson(out, *palette, findings, options);
    } else {
        const std::string where = request.file + ": " + ToUtf8(palette->m_Name) + ": ";
        for (const AuditFinding& finding : findings) {
            PrintText(out, where, finding, options);
        }
    }
    errno = 0;
    if (!out.flush()) {
        ReportFileError(err, "standard output", SystemErrorText(errno));
        return kExitUnreadable;
    }
    return findings.empty() ? kExitSuccess : kExitFailure;
}

void AddAuditCommand(CommandTable& table) {
    auto request = std::make_shared<AuditRequest>();
    CLI::App& command = table.Add(
        "audit",
        "Report the pens of a palette that stand out too little from their background or look "
        "alike, also to colour-blind eyes",
        "tintora-cli audit colours.pal --pens 1-15 --json",
        [request] { return AuditPaletteFile(*request, std::cout, std::cerr); });
    command.add_option("FILE", request->file, "Palette file to audit (- for standard input)")
        ->required();
    AddPaletteChoiceOptions(command, request->choice);
    command.add_option("--pens", request->pens, "Pens to audit, such as 1-15,69 (default 1-255)")
        ->option_text("LIST")
        ->check(CLI::Validator([](std::string& text) { return ParsePenList(text).error; }, "LIST"));
    AddColourOptions(command, request->colours, kLowContrast);
    command
        .add_option("--min-difference", request->minDifference,
                    "CIEDE2000 difference two pens need (default 2)")
        ->option_text("D")
        ->check(CLI::NonNegativeNumber);
    command.add_flag("--json", request->json, "Print the findings as JSON");
}
