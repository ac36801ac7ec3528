// The parts of file access that are the same on every system.
#include "shared/file_io.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "shared/text_encoding.h"

namespace fs = std::filesystem;

namespace {

// Reads go in pieces of this size once the file turns out larger than it said.
constexpr std::size_t kReadStep = 1 << 16;

} // namespace

fs::path FsPath(const CString& path) {
    const std::string utf8 = ToUtf8(path);
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string SystemErrorText(int error) {
    return std::strerror(error);
}

std::optional<std::string> ReadFileBytes(const CString& path, std::string* reason) {
    std::FILE* file = OpenForReading(path, reason);
    if (file == nullptr) {
        return std::nullopt;
    }
    // Read straight into a buffer one byte larger than the file, so that the read which
    // finds the end needs no reallocation; it grows only if the file grew meanwhile.
    const long size = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1;
    std::rewind(file);
    std::string bytes(size > 0 ? static_cast<std::size_t>(size) + 1 : 0, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            bytes.resize(bytes.size() + kReadStep);
        }
        const std::size_t read = std::fread(bytes.data() + filled, 1, bytes.size() - filled, file);
        filled += read;
        if (read == 0) {
            break;
        }
    }
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        if (reason != nullptr) {
            *reason = SystemErrorText(error);
        }
        return std::nullopt;
    }
    bytes.resize(filled);
    return bytes;
}

SafeFileWriter::~SafeFileWriter() = default;

bool SafeFileWriter::IsOpen() const {
    return m_job != nullptr;
}

void SafeFileWriter::Fail(std::string reason) {
    if (m_error.empty()) {
        m_error = std::move(reason);
    }
    m_job.reset();
}

bool SafeFileWriter::Write(std::string_view bytes) {
    if (!m_job) {
        return false;
    }
    m_buffer.append(bytes);
    if (m_buffer.size() < kWriteBuffer) {
        return true;
    }
    const bool written = m_job->Write(m_buffer, m_error);
    m_buffer.clear();
    if (!written) {
        m_job.reset();
    }
    return written;
}

bool SafeFileWriter::Commit() {
    if (!m_job) {
        return false;
    }
    const bool done = m_job->Write(m_buffer, m_error) && m_job->Finish(m_error);
    m_buffer.clear();
    m_job.reset();
    return done;
}

std::string WriteFileBytes(const CString& path, std::string_view bytes) {
    SafeFileWriter file(path);
    if (file.IsOpen()) {
        file.Write(bytes);
        file.Commit();
    }
    return file.Error();
}
