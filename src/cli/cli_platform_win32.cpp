// tintora-cli on Windows: the wide command line as UTF-8, binary standard streams, UTF-8
// console output, and the system's own reasons for failures.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which the shell header needs.
#include <shellapi.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/cli_platform.h"
#include "shared/file_io.h"
#include "shared/text_encoding.h"

CliArguments::CliArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        m_words.assign(argv, argv + argc); // as the C runtime gave them
    } else {
        for (int i = 0; i < count; ++i) {
            m_words.push_back(ToUtf8(wide[i]));
        }
        ::LocalFree(wide);
    }
    for (std::string& word : m_words) {
        m_pointers.push_back(word.data());
    }
}

void PrepareStandardStreams() {
    // Palette files and dumps pass through "-" byte for byte, with no CR added before LF.
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    ::SetConsoleOutputCP(CP_UTF8);
}

std::string LastErrorReason() {
    // The C runtime keeps the system's code of a failed call beside errno.
    const unsigned long code = _doserrno;
    if (code == 0) {
        return std::strerror(errno);
    }
    return SystemApiErrorText(code);
}

std::FILE* CreateTemporaryFile(CString& path, std::string& reason) {
    wchar_t folder[MAX_PATH + 1] = {};
    wchar_t name[MAX_PATH + 1] = {};
    // GetTempFileNameW makes the file under a name no other process has.
    if (::GetTempPathW(MAX_PATH + 1, folder) == 0 ||
        ::GetTempFileNameW(folder, L"tin", 0, name) == 0) {
        reason = SystemApiErrorText(::GetLastError());
        return nullptr;
    }
    std::FILE* file = ::_wfopen(name, L"wb");
    if (file == nullptr) {
        reason = LastErrorReason();
        ::DeleteFileW(name);
        return nullptr;
    }
    path = name;
    return file;
}
