// Reading and writing palette files for the command line: paths as given in argv, and the
// failure reported on the error stream in the editor's own words.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "files/palette_file.h"
#include "shared/cstring.h"
#include "shared/ui_list.h"

struct PaletteListDiscarder {
    void operator()(UI_LIST* list) const;
};
using PaletteListPtr = std::unique_ptr<UI_LIST, PaletteListDiscarder>;

// A command-line argument (UTF-8 bytes) as the core's path type.
CString PathFromArgument(const std::string& argument);

// Empty when the file at path can be opened and read, otherwise the reason.
std::string ReadProblem(const std::string& path);

// "tintora-cli: FILE: reason" on err.
void ReportFileProblem(std::ostream& err, const std::string& file, std::string_view reason);

// Reports why the palettes of path could not be read; false (and nothing said) for Ok.
bool ReportUnreadPalettes(const std::string& path, PaletteReadStatus status,
                          const std::string& reason, std::ostream& err);

// The palettes of the file at path; null after reporting why they cannot be read.
PaletteListPtr ReadPalettes(const std::string& path, std::ostream& err);

// Writes list to path; false after reporting the failure. A failed write leaves the old
// file as it was.
bool WritePalettes(const std::string& path, const UI_LIST& list, std::ostream& err);
