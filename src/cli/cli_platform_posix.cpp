// tintora-cli on POSIX systems: arguments and standard streams are bytes already.
#include <cerrno>
#include <cstring>

#include "cli/cli_platform.h"

CliArguments::CliArguments(int argc, char** argv) : m_pointers(argv, argv + argc) {}

void PrepareStandardStreams() {}

std::string LastErrorReason() {
    return std::strerror(errno);
}
