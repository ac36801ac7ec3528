// The product family's folder services: the parts every system shares. Where the folders
// lie is each system's own, in paths_<system>.cpp.
#include "shared/paths.h"

#include <cwchar>
#include <optional>

#include "shared/paths_system.h"

namespace {

CString& DataFolderName() {
    static CString name;
    return name;
}

std::optional<CString>& AppFolderSetting() {
    static std::optional<CString> folder;
    return folder;
}

bool IsSeparator(wchar_t c) {
    return c == L'/' || c == kFolderSeparator;
}

CString WithSeparator(CString folder) {
    if (folder.empty() || !IsSeparator(folder.back())) {
        folder += kFolderSeparator;
    }
    return folder;
}

CString WithDataFolder(const CString& base) {
    const CString& name = DataFolderName();
    return name.empty() ? WithSeparator(base) : WithSeparator(WithSeparator(base) + name);
}

// Copies text with its terminator when it fits; otherwise leaves an empty string and
// returns 0, so a caller never sees a cut-off path.
unsigned int CopyOut(wchar_t* buffer, std::size_t capacity, const CString& text) {
    if (buffer == nullptr || capacity == 0) {
        return 0;
    }
    if (text.size() + 1 > capacity) {
        buffer[0] = L'\0';
        return 0;
    }
    text.copy(buffer, text.size());
    buffer[text.size()] = L'\0';
    return static_cast<unsigned int>(text.size());
}

std::size_t NameStart(const CString& path) {
    const std::size_t separator = path.find_last_of(L"/\\");
    return separator == CString::npos ? 0 : separator + 1;
}

} // namespace

void coreSetDataFolder(const wchar_t* name) {
    DataFolderName() = name != nullptr ? name : L"";
}

CString coreGetUserAppPath() {
    return WithDataFolder(SystemUserDataFolder());
}

CString coreGetUserStatePath() {
    return WithSeparator(SystemStateFolder());
}

CString coreGetAllUserAppPath() {
    return WithDataFolder(SystemAllUsersDataFolder());
}

CString coreGetSharedAppPath() {
    if (std::optional<CString> shared = SystemEnvironment("TINTORA_SHARED_DIR")) {
        return WithSeparator(*shared);
    }
    return coreGetUserAppPath();
}

void coreSetAppFolder(const CString& folder) {
    AppFolderSetting() = folder;
}

CString coreGetAppFolder() {
    if (const std::optional<CString>& folder = AppFolderSetting(); folder && !folder->empty()) {
        return WithSeparator(*folder);
    }
    if (std::optional<CString> folder = SystemEnvironment("TINTORA_APP_DIR")) {
        return WithSeparator(*folder);
    }
    return WithSeparator(SystemExecutableFolder());
}

unsigned int coreAppFilePath(wchar_t* buffer, std::size_t capacity, const wchar_t* fileName) {
    return CopyOut(buffer, capacity, coreGetAppFolder() + (fileName != nullptr ? fileName : L""));
}

unsigned int coreDocumentFilePath(wchar_t* buffer, std::size_t capacity,
                                  const wchar_t* relativePath) {
    CString relative = relativePath != nullptr ? relativePath : L"";
    for (wchar_t& c : relative) {
        if (c == L'\\' || c == L'/') {
            c = kFolderSeparator;
        }
    }
    relative.erase(0, relative.find_first_not_of(kFolderSeparator));
    return CopyOut(buffer, capacity, WithSeparator(SystemDocumentsFolder()) + relative);
}

unsigned int coreChangeFileName(wchar_t* path, std::size_t capacity, const wchar_t* name,
                                const wchar_t* extension) {
    if (path == nullptr || capacity == 0) {
        return 0;
    }
    const CString old(path, ::wcsnlen(path, capacity));
    CString changed = old.substr(0, NameStart(old)) + (name != nullptr ? name : L"");
    if (extension != nullptr && *extension != L'\0') {
        if (*extension != L'.') {
            changed += L'.';
        }
        changed += extension;
    }
    if (changed.size() + 1 > capacity) {
        return 0; // the path stays as it was
    }
    return CopyOut(path, capacity, changed);
}

CString coreExtractFileName(const CString& path) {
    return path.substr(NameStart(path));
}
