// Palette file access for tintora-cli's commands.
#include "cli/palette_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "cli/messages.h"
#include "files/palette_file.h"
#include "model/palette_entry.h"
#include "shared/text_encoding.h"

void PaletteListDiscarder::operator()(UI_LIST* list) const {
    DiscardPaletteList(list);
}

CString PathFromArgument(const std::string& argument) {
    return FromUtf8(argument);
}

bool PathExists(const std::string& path) {
    std::error_code error;
    // Narrow strings pass to the system unchanged; a status we cannot learn (a folder we
    // may not search) counts as existing, so that the later open reports it.
    const auto status = std::filesystem::symlink_status(std::filesystem::path(path), error);
    return status.type() != std::filesystem::file_type::not_found;
}

std::string ReadProblem(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::strerror(errno);
    }
    // Opening a folder succeeds on Linux; only reading tells.
    std::string problem;
    if (std::fgetc(file) == EOF && std::ferror(file) != 0) {
        problem = std::strerror(errno);
    }
    std::fclose(file);
    return problem;
}

PaletteListPtr ReadPalettes(const std::string& path, std::ostream& err) {
    PaletteReadResult result = ReadPaletteFile(PathFromArgument(path));
    switch (result.status) {
    case PaletteReadStatus::Ok:
        return PaletteListPtr(result.list);
    case PaletteReadStatus::OpenFailed:
        err << kOpenFailedMessage << '\n';
        break;
    case PaletteReadStatus::NoNames:
        err << kNoNamesMessage << '\n';
        break;
    }
    DiscardPaletteList(result.list);
    return nullptr;
}

bool WritePalettes(const std::string& path, const UI_LIST& list, std::ostream& err) {
    if (!WritePaletteFile(PathFromArgument(path), list)) {
        err << kWriteFailedMessage << '\n';
        return false;
    }
    return true;
}
