// Every file tintora-cli reads or writes passes through here: paths as given in argv, "-"
// for standard input or output, and each failure reported once, with its reason, in the
// form of messages.h.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
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

struct FileCloser {
    void operator()(std::FILE* file) const;
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// "-": standard input where a file is read, standard output where one is written.
bool IsStandardStream(std::string_view path);

// A command-line argument (UTF-8 bytes) as the core's path type.
CString PathFromArgument(const std::string& argument);

// The file (or standard input) opened for reading; null after reporting why it cannot be.
// Only a regular file is opened: a pipe or a device named here is refused at once rather
// than waited on.
FilePtr OpenInput(const std::string& path, std::ostream& err);

// Runs read with a path to read: path itself, or for "-" a temporary copy of standard input
// (the core's readers of .pal and INI files seek in their file). False after reporting a
// failure to make that copy.
bool WithReadablePath(const std::string& path, std::ostream& err,
                      const std::function<void(const CString&)>& read);

// Reports why the palettes of path could not be read; false (and nothing said) for Ok.
bool ReportUnreadPalettes(const std::string& path, PaletteReadStatus status,
                          const std::string& reason, std::ostream& err);

// The palettes of the .pal file at path; null after reporting why they cannot be read.
PaletteListPtr ReadPalettes(const std::string& path, std::ostream& err);

// Writes list to path as a .pal file; false after reporting the failure. A failed write
// leaves the old file as it was.
bool WritePalettes(const std::string& path, const UI_LIST& list, std::ostream& err);

// Receives the output piece by piece; false when a piece could not be written.
using OutputSink = std::function<bool(std::string_view)>;
// Writes what produce hands its sink to path, replacing the file only once all of it is
// written, or to standard output as it comes; false after reporting the failure.
bool WriteOutput(const std::string& path, const std::function<bool(const OutputSink&)>& produce,
                 std::ostream& err);
