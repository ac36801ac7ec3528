// tintora-cli on POSIX systems: arguments and standard streams are bytes already.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

#include "cli/cli_platform.h"
#include "shared/text_encoding.h"

CliArguments::CliArguments(int argc, char** argv) : m_pointers(argv, argv + argc) {}

void PrepareStandardStreams() {}

std::string LastErrorReason() {
    return std::strerror(errno);
}

std::FILE* CreateTemporaryFile(CString& path, std::string& reason) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    std::string name = (error ? std::filesystem::path("/tmp") : folder) / "tintora-cli.XXXXXX";
    const int fd = ::mkstemp(name.data());
    std::FILE* file = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (file == nullptr) {
        reason = LastErrorReason();
        if (fd >= 0) {
            ::close(fd);
            ::unlink(name.c_str());
        }
        return nullptr;
    }
    path = FromUtf8(name);
    return file;
}
