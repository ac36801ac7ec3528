// Palette file access for tintora-cli's commands.
#include "cli/palette_io.h"

#include <cstdio>

#include "cli/messages.h"
#include "files/palette_file.h"
#include "model/palette_entry.h"
#include "shared/file_io.h"
#include "shared/text_encoding.h"

void PaletteListDiscarder::operator()(UI_LIST* list) const {
    DiscardPaletteList(list);
}

CString PathFromArgument(const std::string& argument) {
    return FromUtf8(argument);
}

std::string ReadProblem(const std::string& path) {
    std::string problem;
    // The core's own open: a pipe or a device is refused at once rather than waited on.
    if (std::FILE* file = OpenForReading(PathFromArgument(path), &problem)) {
        std::fclose(file);
    }
    return problem;
}

void ReportFileProblem(std::ostream& err, const std::string& file, std::string_view reason) {
    err << "tintora-cli: " << file << ": " << reason << '\n';
}

bool ReportUnreadPalettes(const std::string& path, PaletteReadStatus status,
                          const std::string& reason, std::ostream& err) {
    switch (status) {
    case PaletteReadStatus::Ok:
        return false;
    case PaletteReadStatus::OpenFailed:
        err << kOpenFailedMessage << (reason.empty() ? "" : ": ") << reason << '\n';
        break;
    case PaletteReadStatus::NoNames:
        err << kNoNamesMessage << '\n';
        break;
    case PaletteReadStatus::TooMany:
        ReportFileProblem(err, path, kTooManyPalettesMessage);
        break;
    }
    return true;
}

PaletteListPtr ReadPalettes(const std::string& path, std::ostream& err) {
    PaletteReadResult result = ReadPaletteFile(PathFromArgument(path));
    if (!ReportUnreadPalettes(path, result.status, result.reason, err)) {
        return PaletteListPtr(result.list);
    }
    DiscardPaletteList(result.list);
    return nullptr;
}

bool WritePalettes(const std::string& path, const UI_LIST& list, std::ostream& err) {
    if (std::string reason; !WritePaletteFile(PathFromArgument(path), list, &reason)) {
        ReportFileProblem(err, path, reason);
        return false;
    }
    return true;
}
