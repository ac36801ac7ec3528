// What each system's half of the folder services gives the portable part in paths.cpp.
#pragma once

#include <optional>

#include "shared/cstring.h"

// The separator the system's folder paths end in; '/' is accepted as one everywhere.
extern const wchar_t kFolderSeparator;

// An environment value; unset and empty count the same.
std::optional<CString> SystemEnvironment(const char* name);

// The folders the product family's folders go under, each without its trailing separator.
CString SystemUserDataFolder();
CString SystemAllUsersDataFolder();
CString SystemDocumentsFolder();
// The program's state folder (the one coreGetUserStatePath gives), without its trailing
// separator.
CString SystemStateFolder();
// The folder of the running program.
CString SystemExecutableFolder();
