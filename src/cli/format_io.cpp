// Format dispatch for convert and import.
#include "cli/format_io.h"

#include <cerrno>
#include <cstdio>

#include "cli/messages.h"
#include "files/formats/foreign_palettes.h"
#include "files/formats/json_format.h"
#include "model/palette_entry.h"
#include "shared/file_io.h"
#include "shared/text_encoding.h"

std::optional<PaletteFormat> FormatFor(const std::string& path,
                                       const std::optional<std::string>& given, const char* role,
                                       std::ostream& err) {
    if (given) {
        return FormatFromName(*given); // the option's own check has let only names through
    }
    if (const std::optional<PaletteFormat> format = FormatFromPath(path)) {
        return format;
    }
    ReportFileError(err, path,
                    std::string("cannot tell the format from the name; give it with ") + role +
                        " (pal, json, gpl, hex, css, ase, aco, jasc or riff)");
    return std::nullopt;
}

namespace {

// Which format a .pal file holds, by its first bytes; nullopt after reporting why it cannot
// be opened. Standard input is our own format: its bytes can be read only once.
std::optional<PaletteFormat> PalFormatOfFile(const std::string& path, std::ostream& err) {
    if (IsStandardStream(path)) {
        return PaletteFormat::Pal;
    }
    const FilePtr file = OpenInput(path, err);
    if (!file) {
        return std::nullopt;
    }
    char start[16];
    const std::size_t read = std::fread(start, 1, sizeof start, file.get());
    return PalFormatOf(std::string_view(start, read));
}

} // namespace

PaletteListPtr ReadPalettesAs(const std::string& path, PaletteFormat format, std::ostream& err) {
    if (format == PaletteFormat::Pal) {
        const std::optional<PaletteFormat> held = PalFormatOfFile(path, err);
        if (held != PaletteFormat::Jasc && held != PaletteFormat::Riff) {
            return held ? ReadPalettes(path, err) : nullptr;
        }
        format = *held;
    }
    const FilePtr file = OpenInput(path, err);
    if (!file) {
        return nullptr;
    }
    // Standard input has no file name to name the palette after.
    const CString name = IsStandardStream(path) ? L"Imported" : TextFromFileName(StemOf(path));
    // Read a piece at a time: the readers keep what they need, never the whole file.
    FormatReadResult result = ReadForeignPalettes(format, SourceOf(file.get()), name);
    if (std::ferror(file.get()) != 0) {
        ReportFileError(err, path, SystemErrorText(errno));
        return nullptr;
    }
    if (!result.Ok()) {
        ReportFileError(err, path, result.error);
        return nullptr;
    }
    for (const std::string& warning : result.warnings) {
        ReportFileWarning(err, path, warning);
    }
    PaletteListPtr list(new UI_LIST(nullptr));
    for (auto& palette : result.palettes) {
        list->Add(palette.release());
    }
    return list;
}

bool WritePalettesAs(const std::string& path, PaletteFormat format, const UI_LIST& list,
                     int variant, std::ostream& err) {
    if (format == PaletteFormat::Pal) {
        return WritePalettes(path, list, err);
    }
    const PaletteEntry* first = PaletteAt(list, 0);
    if (format != PaletteFormat::Json && first == nullptr) {
        ReportFileError(err, path, "no palette to write");
        return false;
    }
    // Names a GIMP palette that has none.
    const CString fileName = FromUtf8(IsStandardStream(path) ? "Palette" : StemOf(path));
    return WriteOutput(
        path,
        [&](const OutputSink& sink) {
            return format == PaletteFormat::Json
                       ? WriteJsonPalettes(list, sink)
                       : WriteForeignPalette(format, *first, variant, sink, fileName);
        },
        err);
}
