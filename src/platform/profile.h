// The application profile: integer and text values by section and key, over QSettings with
// organisation and application names set by SetRegistryKey (on Windows that is the registry
// under HKEY_CURRENT_USER\Software\<key>\<profile>; on Linux an INI file under the XDG
// config folder). A section such as "DialogData\Tintora" is the sub-group "DialogData/Tintora".
//
//   SetRegistryKey(L"Keldane", L"Corvane 2014");           // once, at start-up
//   int show = GetProfileInt(L"Settings", L"ShowTooltips", 1);
//   WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
//
// Tests call SetProfileFile with a temporary INI file and never touch the user's settings.
#pragma once

#include <QString>

#include "shared/cstring.h"

void SetRegistryKey(const CString& key, const CString& profileName);
// Keeps the profile in the INI file at path instead (tests).
void SetProfileFile(const QString& path);

// The value, or defaultValue when it is missing or not a number.
int GetProfileInt(const CString& section, const CString& key, int defaultValue);
bool WriteProfileInt(const CString& section, const CString& key, int value);
// The value, or defaultValue when it is missing.
CString GetProfileString(const CString& section, const CString& key,
                         const CString& defaultValue = CString());
bool WriteProfileString(const CString& section, const CString& key, const CString& value);
