// The Windows half of file access: opening only regular files, the safe replacement of a
// file's content with its in-place fallback, file stamps and locks. Wide paths go straight
// to the W functions.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <random>
#include <utility>

#include "shared/file_io.h"
#include "shared/text_encoding.h"

namespace fs = std::filesystem;

namespace {

// Short and of fixed length, so that beside a file of any legal name it is a legal name too.
constexpr wchar_t kTempPrefix[] = L".tintora-";
constexpr int kTempLetters = 6;
// Every open lets readers in, and lets a save rename a new file over the one held open.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::string Reason(DWORD error) {
    return SystemApiErrorText(error);
}

std::string LastReason() {
    return Reason(::GetLastError());
}

// Folders, devices and pipes are refused before anything opens them.
bool IsFolderOrDevice(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0;
}

// An open handle is a regular file when it is a disk file and no folder.
bool IsRegular(HANDLE file, BY_HANDLE_FILE_INFORMATION* info = nullptr) {
    BY_HANDLE_FILE_INFORMATION own{};
    BY_HANDLE_FILE_INFORMATION& details = info != nullptr ? *info : own;
    return ::GetFileType(file) == FILE_TYPE_DISK &&
           ::GetFileInformationByHandle(file, &details) != 0 &&
           (details.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Opens path and keeps the handle only when it is a regular file.
// *error, when given, gets the code of a failed open.
HANDLE OpenRegular(const fs::path& path, DWORD access, DWORD disposition, std::string& reason,
                   BY_HANDLE_FILE_INFORMATION* info = nullptr, DWORD* error = nullptr) {
    if (IsFolderOrDevice(::GetFileAttributesW(path.c_str()))) {
        reason = kNotRegularFile;
        return INVALID_HANDLE_VALUE;
    }
    const HANDLE file = ::CreateFileW(path.c_str(), access, kShareAll, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        if (error != nullptr) {
            *error = code;
        }
        reason = Reason(code);
        return file;
    }
    if (!IsRegular(file, info)) {
        reason = kNotRegularFile;
        ::CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

// The file's identity and state; false when nothing stands at path.
bool InfoOf(const fs::path& path, BY_HANDLE_FILE_INFORMATION& info) {
    const HANDLE file = ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool known = ::GetFileInformationByHandle(file, &info) != 0;
    ::CloseHandle(file);
    return known;
}

std::uint64_t Join(DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

// False with the reason; a write that takes nothing counts as a full disk.
bool WriteAll(HANDLE file, std::string_view bytes, std::string& reason) {
    while (!bytes.empty()) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (::WriteFile(file, bytes.data(), piece, &written, nullptr) == 0) {
            reason = LastReason();
            return false;
        }
        if (written == 0) {
            reason = Reason(ERROR_DISK_FULL);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool Rewind(HANDLE file) {
    return ::SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_BEGIN) != 0;
}

// The path with its drive and folders spelt out: Wine's ReplaceFileW fails on a relative
// path, or one rooted on the current drive, that names a file held open for a lock.
fs::path FullPath(const CString& path) {
    std::error_code error;
    fs::path full = fs::absolute(FsPath(path), error);
    return error ? FsPath(path) : full;
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(L".");
}

// The long form of path (no 8.3 aliases); path itself where it names nothing yet.
fs::path LongPath(const fs::path& path) {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetLongPathNameW(path.c_str(), name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return path;
        }
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(length);
    }
}

// The name of the mutex that locks the file at full: one for every spelling of the path
// (names ignore case, and short aliases are spelt out), hashed to fit an object name.
CString LockName(const fs::path& full) {
    std::wstring name = (LongPath(full.parent_path()) / full.filename()).native();
    ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name.data(),
                    static_cast<int>(name.size()), name.data(), static_cast<int>(name.size()),
                    nullptr, nullptr, 0);
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const wchar_t c : name) {
        hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
    }
    wchar_t text[17];
    std::swprintf(text, 17, L"%016llx", static_cast<unsigned long long>(hash));
    return CString(L"Local\\tintora-file-lock-") + text;
}

// The regular file at path, made empty when missing; its details in info, created says
// whether it was made here.
bool OpenOrCreate(const fs::path& path, BY_HANDLE_FILE_INFORMATION& info, bool& created,
                  std::string& reason) {
    for (const DWORD disposition : {OPEN_EXISTING, CREATE_NEW, OPEN_EXISTING}) {
        DWORD error = 0;
        const HANDLE file =
            OpenRegular(path, GENERIC_READ | (disposition == CREATE_NEW ? GENERIC_WRITE : 0),
                        disposition, reason, &info, &error);
        if (file != INVALID_HANDLE_VALUE) {
            ::CloseHandle(file);
            created = disposition == CREATE_NEW;
            return true;
        }
        // Made or removed by a program that does not lock meanwhile: look again.
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_FILE_EXISTS) {
            return false;
        }
    }
    return false;
}

} // namespace

// Without the full stop and line end the system's texts carry, so that they read like the
// POSIX reasons.
std::string SystemApiErrorText(unsigned long code) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    CString message = length > 0 ? CString(text, length) : CString();
    ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(code) : ToUtf8(message);
}

std::FILE* OpenForReading(const CString& path, std::string* reason) {
    std::string why;
    const HANDLE file = OpenRegular(FsPath(path), GENERIC_READ, OPEN_EXISTING, why);
    if (file != INVALID_HANDLE_VALUE) {
        const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(file), _O_RDONLY);
        if (fd < 0) {
            ::CloseHandle(file);
        } else if (std::FILE* stream = ::_fdopen(fd, "rb")) {
            return stream;
        } else {
            ::_close(fd);
        }
        why = SystemErrorText(errno);
    }
    if (reason != nullptr) {
        *reason = why;
    }
    return nullptr;
}

namespace {

FileStamp StampFrom(const BY_HANDLE_FILE_INFORMATION& info) {
    // File times count 100 ns steps.
    const auto written = static_cast<std::int64_t>(
        Join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime));
    return FileStamp{info.dwVolumeSerialNumber, Join(info.nFileIndexHigh, info.nFileIndexLow),
                     Join(info.nFileSizeHigh, info.nFileSizeLow), written * 100};
}

} // namespace

std::optional<FileStamp> StampOf(const CString& path) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!InfoOf(FsPath(path), info)) {
        return std::nullopt;
    }
    return StampFrom(info);
}

std::optional<FileStamp> StampOf(std::FILE* file) {
    BY_HANDLE_FILE_INFORMATION info{};
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
    if (handle == INVALID_HANDLE_VALUE || ::GetFileInformationByHandle(handle, &info) == 0) {
        return std::nullopt;
    }
    return StampFrom(info);
}

// One save: either a temporary file beside the target, or the target itself written in
// place with its old bytes kept.
struct SafeFileWriter::SystemJob final : Job {
    fs::path target;
    bool targetExists = false;
    HANDLE file = INVALID_HANDLE_VALUE;
    fs::path temp; // set while a temporary file exists
    bool inPlace = false;
    std::string backup;   // in place: the old bytes
    bool touched = false; // in place: the file no longer holds them
    bool done = false;

    ~SystemJob() override {
        if (inPlace && touched && !done) {
            Restore();
        }
        if (file != INVALID_HANDLE_VALUE) {
            ::CloseHandle(file);
        }
        if (!temp.empty()) {
            ::DeleteFileW(temp.c_str());
        }
    }

    bool StartTemporary(std::string& reason) {
        std::random_device seed;
        std::mt19937 random(seed());
        std::uniform_int_distribution<int> letter(0, 35);
        constexpr int kAttempts = 100;
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            CString name = kTempPrefix;
            for (int i = 0; i < kTempLetters; ++i) {
                const int pick = letter(random);
                name += static_cast<wchar_t>(pick < 10 ? L'0' + pick : L'a' + pick - 10);
            }
            const fs::path candidate = FolderOf(target) / name;
            file = ::CreateFileW(candidate.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                temp = candidate;
                return true;
            }
            if (::GetLastError() != ERROR_FILE_EXISTS) {
                break;
            }
        }
        reason = LastReason();
        return false;
    }

    bool StartInPlace(std::string& reason) {
        file = OpenRegular(target, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING, reason);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        char block[1 << 16];
        for (;;) {
            DWORD got = 0;
            if (::ReadFile(file, block, sizeof block, &got, nullptr) == 0) {
                reason = LastReason();
                return false;
            }
            if (got == 0) {
                break;
            }
            backup.append(block, got);
        }
        if (!Rewind(file)) {
            reason = LastReason();
            return false;
        }
        inPlace = true;
        return true;
    }

    bool Write(std::string_view bytes, std::string& reason) override {
        touched = touched || (inPlace && !bytes.empty());
        return WriteAll(file, bytes, reason);
    }

    bool Finish(std::string& reason) override {
        if ((inPlace && ::SetEndOfFile(file) == 0) || ::FlushFileBuffers(file) == 0) {
            reason = LastReason();
            return false;
        }
        if (::CloseHandle(std::exchange(file, INVALID_HANDLE_VALUE)) == 0) {
            reason = LastReason();
            return false;
        }
        if (!inPlace && !MoveIntoPlace(reason)) {
            return false;
        }
        temp.clear();
        done = true;
        return true;
    }

    // ReplaceFileW gives the new file the old one's attributes and access rights; where it
    // cannot (another file system, a target gone meanwhile) a plain rename does the work.
    // Another program holding the old file for a moment (a virus scanner, an indexer, a
    // reader) makes both fail as denied access, so they are tried again for a while.
    bool MoveIntoPlace(std::string& reason) {
        constexpr int kAttempts = 100;
        constexpr DWORD kPauseMs = 20;
        for (int attempt = 1;; ++attempt) {
            if (targetExists &&
                ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr,
                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0) {
                return true;
            }
            if (::MoveFileExW(temp.c_str(), target.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
                return true;
            }
            const DWORD error = ::GetLastError();
            if (attempt == kAttempts ||
                (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) {
                reason = Reason(error);
                return false;
            }
            ::Sleep(kPauseMs);
        }
    }

    // The old bytes back into a file written in place, through a handle of its own when
    // the writing one is already closed.
    void Restore() {
        const HANDLE out = file != INVALID_HANDLE_VALUE
                               ? file
                               : ::CreateFileW(target.c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out == INVALID_HANDLE_VALUE) {
            return;
        }
        std::string ignored;
        if (Rewind(out) && WriteAll(out, backup, ignored)) {
            ::SetEndOfFile(out);
            ::FlushFileBuffers(out);
        }
        if (out != file) {
            ::CloseHandle(out);
        }
    }
};

SafeFileWriter::SafeFileWriter(const CString& path) {
    const fs::path target = FullPath(path);
    if (target.filename().empty()) {
        m_error = Reason(ERROR_DIRECTORY);
        return;
    }
    BY_HANDLE_FILE_INFORMATION old{};
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
        m_error = LastReason();
        return;
    }
    if (exists) {
        const HANDLE probe =
            OpenRegular(target, FILE_READ_ATTRIBUTES, OPEN_EXISTING, m_error, &old);
        if (probe == INVALID_HANDLE_VALUE) {
            return;
        }
        ::CloseHandle(probe);
    }
    // A file the user made read-only must not be replaced behind their back.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        m_error = Reason(ERROR_ACCESS_DENIED);
        return;
    }
    auto job = std::make_unique<SystemJob>();
    job->target = target;
    job->targetExists = exists;
    // A rename would cut the other names of a hard-linked file off the new content; a
    // folder we may not write takes no temporary file. Both are written in place.
    std::string reason;
    const bool linked = exists && old.nNumberOfLinks > 1;
    if (!linked && job->StartTemporary(reason)) {
        m_job = std::move(job);
    } else if (exists) {
        job = std::make_unique<SystemJob>();
        job->target = target;
        job->targetExists = true;
        if (job->StartInPlace(reason)) {
            m_job = std::move(job);
        }
    }
    if (!m_job) {
        m_error = reason;
        return;
    }
    m_buffer.reserve(kWriteBuffer);
}

namespace {

// Waits for the mutex as wait says, telling once after the first second. WAIT_OBJECT_0,
// WAIT_ABANDONED (its holder died: the lock is ours), WAIT_TIMEOUT or WAIT_FAILED.
DWORD TakeLock(HANDLE mutex, const LockWait& wait) {
    constexpr DWORD kFirstWait = 1000;
    const DWORD total = wait.timeoutSeconds > 0
                            ? static_cast<DWORD>(std::min(wait.timeoutSeconds * 1000.0, 4.0e9))
                            : INFINITE;
    const DWORD first = std::min(total, kFirstWait);
    DWORD waited = ::WaitForSingleObject(mutex, first);
    if (waited != WAIT_TIMEOUT || first == total) {
        return waited;
    }
    if (wait.onWaiting) {
        wait.onWaiting();
    }
    return ::WaitForSingleObject(mutex, total == INFINITE ? INFINITE : total - first);
}

} // namespace

// A file that any process holds open cannot be renamed over, neither by Windows' plain
// rename nor under Wine: ReplaceFileW first moves such a file aside, and until the new one
// takes its name, the name is free. A lock on the file itself (LockFileEx) would have to
// hold it open, and a process coming in through that moment would find no file, make an
// empty one, lock that and lose every palette saved before. So the lock is a named system
// mutex for the file's full path: it holds no file open, is shared by every process of the
// session, and is let go by the system when its holder dies, as flock's is.
FileLock::FileLock(const CString& path, const LockWait& wait) : m_path(FullPath(path)) {
    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, LockName(m_path).c_str());
    if (mutex == nullptr) {
        m_error = LastReason();
        return;
    }
    const DWORD waited = TakeLock(mutex, wait);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        m_timedOut = waited == WAIT_TIMEOUT;
        m_error = m_timedOut ? "still in use by another program" : LastReason();
        ::CloseHandle(mutex);
        return;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!OpenOrCreate(m_path, info, m_created, m_error)) {
        ::ReleaseMutex(mutex);
        ::CloseHandle(mutex);
        return;
    }
    m_createdIndex = Join(info.nFileIndexHigh, info.nFileIndexLow);
    m_empty = info.nFileSizeHigh == 0 && info.nFileSizeLow == 0;
    m_handle = reinterpret_cast<std::intptr_t>(mutex);
}

void FileLock::RemoveIfCreatedAndEmpty() {
    if (m_handle == -1) {
        return;
    }
    // A file made only to hold the lock is no debris to leave behind when nothing was
    // saved into it.
    BY_HANDLE_FILE_INFORMATION named{};
    if (m_created && InfoOf(m_path, named) && named.nFileSizeHigh == 0 && named.nFileSizeLow == 0 &&
        Join(named.nFileIndexHigh, named.nFileIndexLow) == m_createdIndex) {
        ::DeleteFileW(m_path.c_str());
    }
    const HANDLE mutex = reinterpret_cast<HANDLE>(std::exchange(m_handle, -1));
    ::ReleaseMutex(mutex);
    ::CloseHandle(mutex);
}

FileLock::~FileLock() {
    RemoveIfCreatedAndEmpty();
}

SignalsHeld::SignalsHeld() = default;
SignalsHeld::~SignalsHeld() = default;

RemoveOnSignal::RemoveOnSignal(const CString& /*path*/) {}

RecoveryNotice SetRecoveryNotice(RecoveryNotice /*notice*/) {
    return {};
}

RemoveOnSignal::~RemoveOnSignal() = default;
