// The product family's folders on Linux, following the XDG base directory conventions.
#include "shared/paths.h"

#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <optional>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

#include "shared/text_encoding.h"

namespace fs = std::filesystem;

namespace {

CString& DataFolderName() {
    static CString name;
    return name;
}

std::optional<CString>& AppFolderSetting() {
    static std::optional<CString> folder;
    return folder;
}

// An environment value; unset and empty count the same.
std::optional<CString> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return FromUtf8(value);
}

// XDG settings only count when they name an absolute folder.
std::optional<CString> AbsoluteEnvironment(const char* name) {
    std::optional<CString> value = Environment(name);
    if (value && value->front() != L'/') {
        return std::nullopt;
    }
    return value;
}

CString WithSeparator(CString folder) {
    if (folder.empty() || folder.back() != L'/') {
        folder += L'/';
    }
    return folder;
}

CString HomeFolder() {
    if (std::optional<CString> home = Environment("HOME")) {
        return *home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? FromUtf8(user->pw_dir) : CString(L"/");
}

CString WithDataFolder(const CString& base) {
    const CString& name = DataFolderName();
    return name.empty() ? WithSeparator(base) : WithSeparator(WithSeparator(base) + name);
}

CString FirstDataDir() {
    const std::optional<CString> dirs = Environment("XDG_DATA_DIRS");
    if (dirs) {
        std::size_t begin = 0;
        while (begin <= dirs->size()) {
            std::size_t end = dirs->find(L':', begin);
            if (end == CString::npos) {
                end = dirs->size();
            }
            const CString dir = dirs->substr(begin, end - begin);
            if (!dir.empty() && dir.front() == L'/') {
                return dir;
            }
            begin = end + 1;
        }
    }
    return L"/usr/share";
}

CString ExecutableFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (!error && exe.has_parent_path()) {
        const std::u8string utf8 = exe.parent_path().u8string();
        return FromUtf8(std::string(utf8.begin(), utf8.end()));
    }
    const std::u8string current = fs::current_path(error).u8string();
    return FromUtf8(std::string(current.begin(), current.end()));
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
    const std::optional<CString> dataHome = AbsoluteEnvironment("XDG_DATA_HOME");
    return WithDataFolder(dataHome ? *dataHome : WithSeparator(HomeFolder()) + L".local/share");
}

CString coreGetAllUserAppPath() {
    return WithDataFolder(FirstDataDir());
}

CString coreGetSharedAppPath() {
    if (std::optional<CString> shared = Environment("TINTORA_SHARED_DIR")) {
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
    if (std::optional<CString> folder = Environment("TINTORA_APP_DIR")) {
        return WithSeparator(*folder);
    }
    return WithSeparator(ExecutableFolder());
}

unsigned int coreAppFilePath(wchar_t* buffer, std::size_t capacity, const wchar_t* fileName) {
    return CopyOut(buffer, capacity, coreGetAppFolder() + (fileName != nullptr ? fileName : L""));
}

unsigned int coreDocumentFilePath(wchar_t* buffer, std::size_t capacity,
                                  const wchar_t* relativePath) {
    const std::optional<CString> documents = AbsoluteEnvironment("XDG_DOCUMENTS_DIR");
    CString relative = relativePath != nullptr ? relativePath : L"";
    for (wchar_t& c : relative) {
        if (c == L'\\') {
            c = L'/';
        }
    }
    relative.erase(0, relative.find_first_not_of(L'/'));
    const CString folder = documents ? *documents : WithSeparator(HomeFolder()) + L"Documents";
    return CopyOut(buffer, capacity, WithSeparator(folder) + relative);
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
