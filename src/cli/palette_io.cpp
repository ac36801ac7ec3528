// Palette file access for tintora-cli's commands.
#include "cli/palette_io.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli/cli_platform.h"
#include "cli/messages.h"
#include "files/formats/palette_format.h"
#include "files/palette_file.h"
#include "model/palette_entry.h"
#include "shared/file_io.h"
#include "shared/text_encoding.h"

namespace {

constexpr std::string_view kNoNames =
    "no palette in this file (a palette starts with a line \"*NAME,DESCRIPTION\")";

// A palette whose name or description the 8-bit file cannot hold fails the whole write;
// saying which palette and why beats a bare failure.
bool ReportUnstorablePalette(const std::string& path, const UI_LIST& list, std::ostream& err) {
    for (const UI_ELEMENT* element = list.First(); element != nullptr; element = element->Next()) {
        const auto* palette = dynamic_cast<const PaletteEntry*>(element);
        if (palette == nullptr) {
            continue;
        }
        std::string problem = UnstorableTextProblem(palette->m_Name);
        if (problem.empty()) {
            problem = UnstorableTextProblem(palette->m_Description);
        }
        if (!problem.empty()) {
            ReportFileError(err, path, "palette \"" + ToUtf8(palette->m_Name) + "\": " + problem);
            return true;
        }
    }
    return false;
}

// A new, empty temporary file, removed again when this goes, or when a signal (a closed
// pipe on standard output among them) ends the process: a copy of standard input or of
// output can be large.
class TemporaryFile {
public:
    TemporaryFile() {
        const SignalsHeld held; // no signal between the file's making and its guard
        m_file = CreateTemporaryFile(m_path, m_problem);
        if (m_file != nullptr) {
            m_guard = std::make_unique<RemoveOnSignal>(m_path);
        }
    }
    ~TemporaryFile() {
        Close();
        if (!m_path.empty()) {
            std::error_code ignored;
            std::filesystem::remove(std::filesystem::path(m_path), ignored);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Empty while the file is usable.
    const std::string& Problem() const { return m_problem; }
    CString Path() const { return m_path; }

    // Copies all of in into the file; false (with Problem set) when that fails.
    bool CopyFrom(std::FILE* in) {
        char buffer[1 << 16];
        std::size_t read = 0;
        while (m_problem.empty() && (read = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
            if (std::fwrite(buffer, 1, read, m_file) != read) {
                m_problem = LastErrorReason();
            }
        }
        if (std::ferror(in) != 0 && m_problem.empty()) {
            m_problem = LastErrorReason();
        }
        if (m_problem.empty() && std::fflush(m_file) != 0) {
            m_problem = LastErrorReason();
        }
        Close();
        return m_problem.empty();
    }

    // Lets others open and replace the file (Windows refuses that while it is open here).
    void Close() {
        if (m_file != nullptr) {
            std::fclose(m_file);
            m_file = nullptr;
        }
    }

private:
    CString m_path;
    std::string m_problem;
    std::FILE* m_file = nullptr;
    std::unique_ptr<RemoveOnSignal> m_guard;
};

// The .pal writer writes files; standard output gets a copy of one it wrote, a piece at a
// time, as the file of a long list is large.
bool CopyWrittenPalettes(const std::string& path, const UI_LIST& list, std::ostream& err) {
    TemporaryFile temporary;
    temporary.Close();
    std::string reason = temporary.Problem();
    FilePtr written;
    if (reason.empty() && WritePaletteFile(temporary.Path(), list, &reason)) {
        written.reset(OpenForReading(temporary.Path(), &reason));
    }
    if (!written) {
        ReportFileError(err, path, reason);
        return false;
    }
    return WriteOutput(
        path,
        [&written](const OutputSink& sink) {
            char buffer[1 << 16];
            std::size_t read = 0;
            while ((read = std::fread(buffer, 1, sizeof buffer, written.get())) > 0) {
                if (!sink(std::string_view(buffer, read))) {
                    return false;
                }
            }
            return std::ferror(written.get()) == 0;
        },
        err);
}

} // namespace

void PaletteListDiscarder::operator()(UI_LIST* list) const {
    DiscardPaletteList(list);
}

void FileCloser::operator()(std::FILE* file) const {
    if (file != nullptr && file != stdin) {
        std::fclose(file);
    }
}

bool IsStandardStream(std::string_view path) {
    return path == "-";
}

CString PathFromArgument(const std::string& argument) {
    return FromUtf8(argument);
}

FilePtr OpenInput(const std::string& path, std::ostream& err) {
    if (IsStandardStream(path)) {
        return FilePtr(stdin);
    }
    std::string reason;
    FilePtr file(OpenForReading(PathFromArgument(path), &reason));
    if (!file) {
        ReportFileError(err, path, reason);
    }
    return file;
}

bool WithReadablePath(const std::string& path, std::ostream& err,
                      const std::function<void(const CString&)>& read) {
    if (!IsStandardStream(path)) {
        read(PathFromArgument(path));
        return true;
    }
    TemporaryFile copy;
    if (!copy.Problem().empty() || !copy.CopyFrom(stdin)) {
        ReportFileError(err, path, copy.Problem());
        return false;
    }
    read(copy.Path());
    return true;
}

bool ReportUnreadPalettes(const std::string& path, PaletteReadStatus status,
                          const std::string& reason, std::ostream& err) {
    switch (status) {
    case PaletteReadStatus::Ok:
        return false;
    case PaletteReadStatus::OpenFailed:
        ReportFileError(err, path, reason);
        break;
    case PaletteReadStatus::NoNames:
        ReportFileError(err, path, kNoNames);
        break;
    case PaletteReadStatus::TooMany:
        ReportFileError(err, path, kTooManyPalettesText);
        break;
    }
    return true;
}

PaletteListPtr ReadPalettes(const std::string& path, std::ostream& err) {
    PaletteReadResult result;
    if (!WithReadablePath(path, err,
                          [&result](const CString& file) { result = ReadPaletteFile(file); })) {
        return nullptr;
    }
    if (!ReportUnreadPalettes(path, result.status, result.reason, err)) {
        return PaletteListPtr(result.list);
    }
    DiscardPaletteList(result.list);
    return nullptr;
}

bool WritePalettes(const std::string& path, const UI_LIST& list, std::ostream& err) {
    if (ReportUnstorablePalette(path, list, err)) {
        return false;
    }
    if (IsStandardStream(path)) {
        return CopyWrittenPalettes(path, list, err);
    }
    if (std::string reason; !WritePaletteFile(PathFromArgument(path), list, &reason)) {
        ReportFileError(err, path, reason);
        return false;
    }
    return true;
}

bool WriteOutput(const std::string& path, const std::function<bool(const OutputSink&)>& produce,
                 std::ostream& err) {
    if (IsStandardStream(path)) {
        errno = 0;
        const bool written = produce([](std::string_view bytes) {
            return static_cast<bool>(
                std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
        });
        // A full disk or a closed pipe must not pass for a complete output; the stream keeps
        // no reason of its own, but the failed write left the system's in errno.
        if (!written || !std::cout.flush()) {
            ReportFileError(err, "standard output", SystemErrorText(errno != 0 ? errno : EIO));
            return false;
        }
        return true;
    }
    SafeFileWriter file(PathFromArgument(path));
    const bool written = file.IsOpen() &&
                         produce([&file](std::string_view bytes) { return file.Write(bytes); }) &&
                         file.Commit();
    if (!written) {
        ReportFileError(err, path,
                        file.Error().empty() ? "the output cannot be made" : file.Error());
    }
    return written;
}
