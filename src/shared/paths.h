// The product family's folder services. On Linux: the user folder under the XDG data home,
// the all-users folder under the system data folder, the shared folder from a site setting
// (TINTORA_SHARED_DIR) and equal to the user folder when none is set. Every folder path
// ends in a separator. Buffers are wide strings of the given capacity, always terminated.
#pragma once

#include <cstddef>

#include "shared/cstring.h"

void coreSetDataFolder(const wchar_t* name);

CString coreGetSharedAppPath();
CString coreGetAllUserAppPath();
CString coreGetUserAppPath();
// The program's own state that outlives a run but is no document and no setting (the old
// bytes of a save in progress, recovered work): "tintora" under the XDG state home on Linux,
// "Tintora" under the local application data folder on Windows. Ends in a separator; not
// created here.
CString coreGetUserStatePath();

// Full path of fileName in the application's folder (the one holding Example.pal and the
// help). Returns the length written, 0 when it does not fit.
unsigned int coreAppFilePath(wchar_t* buffer, std::size_t capacity, const wchar_t* fileName);
// Full path of relativePath (backslashes are folder separators) under the documents folder.
unsigned int coreDocumentFilePath(wchar_t* buffer, std::size_t capacity,
                                  const wchar_t* relativePath);
// Replaces the file name and extension of path in place, keeping its folder.
unsigned int coreChangeFileName(wchar_t* path, std::size_t capacity, const wchar_t* name,
                                const wchar_t* extension);
// The file-name part of path (after the last / or \).
CString coreExtractFileName(const CString& path);

// Where the application's own files are; set by the program at start-up from the
// executable's location (tests point it at the source tree).
void coreSetAppFolder(const CString& folder);
CString coreGetAppFolder();
