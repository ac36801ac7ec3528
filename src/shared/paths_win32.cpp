// The product family's folders on Windows, from the system's known folders: the roaming
// application data for the user, the program data for all users, and the user's documents.
#include <windows.h>
// After windows.h, which the shell header needs.
#include <knownfolders.h>
#include <shlobj.h>

#include <cstdlib>

#include "shared/paths_system.h"

const wchar_t kFolderSeparator = L'\\';

namespace {

// Empty when the system has no such folder for this user.
CString KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    CString folder;
    if (::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path) == S_OK) {
        folder = path;
    }
    ::CoTaskMemFree(path);
    while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) {
        folder.pop_back();
    }
    return folder;
}

} // namespace

std::optional<CString> SystemEnvironment(const char* name) {
    const CString wideName(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = ::_wgetenv(wideName.c_str());
    if (value == nullptr || *value == L'\0') {
        return std::nullopt;
    }
    return CString(value);
}

CString SystemUserDataFolder() {
    return KnownFolder(FOLDERID_RoamingAppData);
}

CString SystemAllUsersDataFolder() {
    return KnownFolder(FOLDERID_ProgramData);
}

CString SystemStateFolder() {
    return KnownFolder(FOLDERID_LocalAppData) + L"\\Tintora";
}

CString SystemDocumentsFolder() {
    return KnownFolder(FOLDERID_Documents);
}

CString SystemExecutableFolder() {
    CString path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return L".";
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/"));
}
