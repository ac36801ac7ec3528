// The recovery copies: where each document's copy goes, its note, and finding them again.
#include "files/recovery_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "files/palette_file.h"
#include "shared/paths.h"
#include "shared/text_encoding.h"

namespace fs = std::filesystem;

namespace {

constexpr wchar_t kNoteExtension[] = L".note";

// FNV-1a over the path's UTF-8 bytes: short, stable, no Qt.
CString BaseName(const CString& documentPath) {
    if (documentPath.empty()) {
        return L"new";
    }
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char byte : ToUtf8(documentPath)) {
        hash = (hash ^ byte) * 0x100000001b3ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return L"file-" + FromUtf8(hex);
}

std::string NoteText(const RecoveryCopy& copy) {
    std::ostringstream note;
    note << "file=" << ToUtf8(copy.documentPath) << "\n"
         << "saved=" << copy.savedAt << "\n";
    if (copy.diskStamp) {
        const FileStamp& s = *copy.diskStamp;
        note << "stamp=" << s.device << ' ' << s.inode << ' ' << s.size << ' ' << s.modifiedNs
             << "\n";
    }
    return note.str();
}

CString PalettesPath(const CString& notePath) {
    return notePath.substr(0, notePath.size() - std::size(kNoteExtension) + 1) + L".pal";
}

std::optional<RecoveryCopy> ReadNote(const CString& notePath) {
    const std::optional<std::string> bytes = ReadFileBytes(notePath);
    if (!bytes) {
        return std::nullopt;
    }
    RecoveryCopy copy;
    copy.notePath = notePath;
    copy.palettesPath = PalettesPath(notePath);
    bool saved = false;
    std::istringstream lines(*bytes);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        std::istringstream value(equals == std::string::npos ? "" : line.substr(equals + 1));
        if (key == "file") {
            copy.documentPath = FromUtf8(value.str());
        } else if (key == "saved") {
            saved = static_cast<bool>(value >> copy.savedAt);
        } else if (FileStamp s;
                   key == "stamp" && value >> s.device >> s.inode >> s.size >> s.modifiedNs) {
            copy.diskStamp = s;
        }
    }
    if (!saved || !StampOf(copy.palettesPath)) {
        return std::nullopt;
    }
    return copy;
}

CString FromFsPath(const fs::path& path) {
    const std::u8string utf8 = path.u8string();
    return FromUtf8(std::string(utf8.begin(), utf8.end()));
}

} // namespace

CString RecoveryFolder() {
    const CString state = coreGetUserStatePath();
    return state + L"recovery" + state.back();
}

CString RecoveryNotePath(const CString& folder, const CString& documentPath, const CString& tag) {
    return folder + BaseName(documentPath) + tag + kNoteExtension;
}

std::optional<RecoveryCopy> WriteRecoveryCopy(const CString& notePath, const CString& documentPath,
                                              const UI_LIST& palettes, std::int64_t savedAt,
                                              const std::optional<FileStamp>& diskStamp,
                                              std::string* reason) {
    std::error_code error;
    fs::create_directories(FsPath(notePath).parent_path(), error);
    const RecoveryCopy copy{PalettesPath(notePath), notePath, documentPath, savedAt, diskStamp};
    std::string why;
    if (WritePaletteFile(copy.palettesPath, palettes, &why)) {
        why = WriteFileBytes(copy.notePath, NoteText(copy));
    }
    if (reason != nullptr) {
        *reason = why;
    }
    return why.empty() ? std::optional<RecoveryCopy>(copy) : std::nullopt;
}

std::vector<RecoveryCopy> FindRecoveryCopies(const CString& folder) {
    std::vector<RecoveryCopy> copies;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(FsPath(folder), error)) {
        const CString path = FromFsPath(entry.path());
        if (entry.path().extension() == ".note") {
            if (std::optional<RecoveryCopy> copy = ReadNote(path)) {
                copies.push_back(*copy);
            }
        }
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const auto& a, const auto& b) { return a.savedAt > b.savedAt; });
    return copies;
}

void RemoveRecoveryCopy(const RecoveryCopy& copy) {
    std::error_code error;
    fs::remove(FsPath(copy.notePath), error);
    fs::remove(FsPath(copy.palettesPath), error);
}
