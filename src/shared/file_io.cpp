// Reading whole files and replacing them through a synced temporary file (POSIX).
#include "shared/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shared/text_encoding.h"

namespace fs = std::filesystem;

namespace {

// The file a chain of symbolic links ends at; nullopt for a loop.
std::optional<fs::path> FollowLinks(fs::path path) {
    constexpr int kMaxHops = 40;
    for (int hop = 0; hop < kMaxHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            return path;
        }
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            return std::nullopt;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The permissions the replacement gets: those of the file it replaces, or for a new file
// what the process would give it by default.
mode_t ModeFor(const fs::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        return info.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself durable. A folder that cannot be synced is no reason to fail:
// the content is already safe in the renamed file.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

fs::path FsPath(const CString& path) {
    const std::string utf8 = ToUtf8(path);
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::optional<std::string> ReadFileBytes(const CString& path) {
    const fs::path fsPath = FsPath(path);
    std::error_code error;
    if (!fs::is_regular_file(fsPath, error)) {
        return std::nullopt;
    }
    std::ifstream in(fsPath, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(fs::file_size(fsPath, error)));
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

bool ReplaceFileBytes(const CString& path, std::string_view bytes) {
    const std::optional<fs::path> target = FollowLinks(FsPath(path));
    if (!target || target->filename().empty()) {
        return false;
    }
    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
    std::string temp = (folder / ("." + target->filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    bool ok = ::fchmod(fd, ModeFor(*target)) == 0;
    ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temp.c_str(), target->c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}
