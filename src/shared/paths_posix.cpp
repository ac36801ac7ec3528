// The product family's folders on Linux, following the XDG base directory conventions.
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

#include "shared/paths_system.h"
#include "shared/text_encoding.h"

namespace fs = std::filesystem;

const wchar_t kFolderSeparator = L'/';

namespace {

// XDG settings only count when they name an absolute folder.
std::optional<CString> AbsoluteEnvironment(const char* name) {
    std::optional<CString> value = SystemEnvironment(name);
    if (value && value->front() != L'/') {
        return std::nullopt;
    }
    return value;
}

CString HomeFolder() {
    if (std::optional<CString> home = SystemEnvironment("HOME")) {
        return *home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? FromUtf8(user->pw_dir) : CString(L"/");
}

CString InHome(const wchar_t* relative) {
    CString home = HomeFolder();
    if (home.back() != L'/') {
        home += L'/';
    }
    return home + relative;
}

} // namespace

std::optional<CString> SystemEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return FromUtf8(value);
}

CString SystemUserDataFolder() {
    const std::optional<CString> dataHome = AbsoluteEnvironment("XDG_DATA_HOME");
    return dataHome ? *dataHome : InHome(L".local/share");
}

CString SystemStateFolder() {
    const std::optional<CString> stateHome = AbsoluteEnvironment("XDG_STATE_HOME");
    return (stateHome ? *stateHome : InHome(L".local/state")) + L"/tintora";
}

CString SystemAllUsersDataFolder() {
    const std::optional<CString> dirs = SystemEnvironment("XDG_DATA_DIRS");
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

CString SystemDocumentsFolder() {
    const std::optional<CString> documents = AbsoluteEnvironment("XDG_DOCUMENTS_DIR");
    return documents ? *documents : InHome(L"Documents");
}

CString SystemExecutableFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (!error && exe.has_parent_path()) {
        const std::u8string utf8 = exe.parent_path().u8string();
        return FromUtf8(std::string(utf8.begin(), utf8.end()));
    }
    const std::u8string current = fs::current_path(error).u8string();
    return FromUtf8(std::string(current.begin(), current.end()));
}
