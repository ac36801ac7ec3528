// Reading whole files and replacing them through a synced temporary file (POSIX).
#include "shared/file_io.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shared/text_encoding.h"

namespace fs = std::filesystem;

namespace {

// Writes go out in pieces of this size rather than one per call.
constexpr std::size_t kWriteBuffer = 1 << 16;

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

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
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

bool IsRegularFile(const CString& path) {
    std::error_code error;
    return fs::is_regular_file(FsPath(path), error);
}

std::FILE* OpenForReading(const CString& path) {
    return IsRegularFile(path) ? std::fopen(FsPath(path).c_str(), "rb") : nullptr;
}

std::optional<std::string> ReadFileBytes(const CString& path) {
    std::FILE* file = OpenForReading(path);
    if (file == nullptr) {
        return std::nullopt;
    }
    // Read straight into a buffer one byte larger than the file, so that the read which
    // finds the end needs no reallocation; it grows only if the file grew meanwhile.
    std::error_code error;
    const std::uintmax_t size = fs::file_size(FsPath(path), error);
    std::string bytes(error ? 0 : static_cast<std::size_t>(size) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            bytes.resize(bytes.size() + kWriteBuffer);
        }
        const std::size_t read = std::fread(bytes.data() + filled, 1, bytes.size() - filled, file);
        filled += read;
        if (read == 0) {
            break;
        }
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    bytes.resize(filled);
    return bytes;
}

SafeFileWriter::SafeFileWriter(const CString& path) {
    const std::optional<fs::path> target = FollowLinks(FsPath(path));
    if (!target || target->filename().empty()) {
        return;
    }
    // Renaming over a file needs no right to write it, but a file the user made read-only
    // must not be replaced behind their back: saving over it fails as opening it would.
    if (::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) {
        return;
    }
    m_target = *target;
    // Hidden, beside the target, so the final rename stays within one file system.
    std::string tempName = ".";
    tempName += m_target.filename().string();
    tempName += ".XXXXXX";
    m_temp = (FolderOf(m_target) / tempName).string();
    m_fd = ::mkstemp(m_temp.data());
    if (m_fd < 0) {
        return;
    }
    if (::fchmod(m_fd, ModeFor(m_target)) != 0) {
        Discard();
        return;
    }
    m_buffer.reserve(kWriteBuffer);
}

SafeFileWriter::~SafeFileWriter() {
    Discard();
}

void SafeFileWriter::Discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(m_temp.c_str());
        m_fd = -1;
    }
}

bool SafeFileWriter::Write(std::string_view bytes) {
    if (m_fd < 0 || m_failed) {
        return false;
    }
    m_buffer.append(bytes);
    return m_buffer.size() < kWriteBuffer || Flush();
}

bool SafeFileWriter::Flush() {
    m_failed = m_failed || !WriteAll(m_fd, m_buffer);
    m_buffer.clear();
    return !m_failed;
}

bool SafeFileWriter::Commit() {
    if (m_fd < 0 || !Flush() || ::fsync(m_fd) != 0) {
        Discard();
        return false;
    }
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0 || std::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        ::unlink(m_temp.c_str());
        return false;
    }
    SyncFolder(FolderOf(m_target));
    return true;
}
