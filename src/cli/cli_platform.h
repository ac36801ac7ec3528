// What tintora-cli needs from the system it runs on, so that commands see the same
// arguments and write the same bytes everywhere: each system's half lives in
// cli_platform_<system>.cpp.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "shared/cstring.h"

// The command line as UTF-8 words, whatever the system's own encoding of it.
class CliArguments {
public:
    CliArguments(int argc, char** argv);

    int Count() const { return static_cast<int>(m_pointers.size()); }
    char** Values() { return m_pointers.data(); }

private:
    std::vector<std::string> m_words;
    std::vector<char*> m_pointers;
};

// Standard input, output and error carry bytes unchanged ("-" stands for them in place of
// a file), and text shown on a console is taken as UTF-8.
void PrepareStandardStreams();

// The system's reason for the failure of the C library or system call just made: strerror
// of errno on POSIX; on Windows the text of the system's own error code behind it.
std::string LastErrorReason();

// A new, empty temporary file of this process's own, open for binary writing, with its name
// in path; null, with reason set, when none can be made.
std::FILE* CreateTemporaryFile(CString& path, std::string& reason);
