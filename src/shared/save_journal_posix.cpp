// The journal of saves written in place, and putting back what a killed one left half
// written.
#include <cstdio>
#include <functional>
#include <mutex>
#include <set>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shared/file_io.h"
#include "shared/file_io_posix.h"
#include "shared/paths.h"

namespace file_io_posix {

namespace {

// The journal of an in-place save: the old bytes, kept on disk from before the first write
// until the new ones are synced, so that a save ended by SIGKILL, a crash or a power cut can
// be undone by whoever opens the file next. It lies beside the file, or in the user's state
// folder when the file's folder takes no new file. The writer holds a lock on it while it
// lives; the text names the file and carries the size and a checksum of the bytes, so that a
// journal cut short (its save never touched the file) is told apart from a whole one.
constexpr std::string_view kJournalMagic = "tintora journal 1\n";

std::uint64_t Checksum(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

// One spelling of the file whatever path led to it, which names it in the state folder.
std::string Identity(const fs::path& target) {
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(fs::absolute(FolderOf(target), error), error);
    return (folder / target.filename()).string();
}

// The old bytes a whole journal of target keeps; nullopt for one cut short or another file's.
std::optional<std::string_view> JournalBytes(const fs::path& target, std::string_view text) {
    const std::string start = std::string(kJournalMagic) + Identity(target) + "\n";
    if (!text.starts_with(start)) {
        return std::nullopt;
    }
    text.remove_prefix(start.size());
    const std::size_t lineEnd = text.find('\n');
    if (lineEnd == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view bytes = text.substr(lineEnd + 1);
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%zu %016llx", bytes.size(),
                  static_cast<unsigned long long>(Checksum(bytes)));
    return text.substr(0, lineEnd) == numbers ? std::optional(bytes) : std::nullopt;
}

// The journals of this process's own saves in progress: a read of such a file here must not
// wait for the save's end, which would never come.
std::mutex g_journalsMutex;
std::set<fs::path> g_ownJournals;

bool IsOwnJournal(const fs::path& place) {
    const std::lock_guard<std::mutex> hold(g_journalsMutex);
    return g_ownJournals.contains(place);
}

RecoveryNotice& CurrentRecoveryNotice() {
    static RecoveryNotice notice;
    return notice;
}

// Puts back the old bytes of an in-place save of target that was ended part-way; true when
// it did. A journal still locked belongs to a save going on: its end is waited for.
bool RecoverFromJournals(const fs::path& target) {
    bool recovered = false;
    for (const fs::path& place : JournalPlaces(target)) {
        const int journal =
            IsOwnJournal(place)
                ? -1
                : ::open(place.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (journal < 0) {
            continue;
        }
        struct stat info {};
        std::string text;
        while (::flock(journal, LOCK_EX) != 0 && errno == EINTR) {
        }
        if (::fstat(journal, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink > 0 &&
            ReadAll(journal, text)) {
            // A journal cut short, even in its first lines, was never followed by a write;
            // one of another file whose name shares its hash is left alone.
            const std::string head = std::string(kJournalMagic) + Identity(target) + "\n";
            const bool ours = text.starts_with(head) || head.starts_with(text);
            const std::optional<std::string_view> bytes = JournalBytes(target, text);
            std::string ignored;
            const int file = bytes ? OpenRegular(target.c_str(), O_WRONLY, ignored) : -1;
            const bool putBack = file >= 0 && PutBytes(file, *bytes);
            if (file >= 0) {
                ::close(file);
            }
            if (putBack || (ours && !bytes)) {
                ::unlink(place.c_str());
                SyncFolder(place.parent_path());
            }
            recovered = recovered || putBack;
        }
        ::close(journal);
    }
    return recovered;
}

} // namespace

std::vector<fs::path> JournalPlaces(const fs::path& target) {
    char name[17];
    std::snprintf(name, sizeof name, "%016llx",
                  static_cast<unsigned long long>(Checksum(Identity(target))));
    return {TemporaryPrefix(target) + "journal",
            FsPath(coreGetUserStatePath()) / "journals" / name};
}

std::string JournalHeader(const fs::path& target, std::string_view bytes) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%zu %016llx\n", bytes.size(),
                  static_cast<unsigned long long>(Checksum(bytes)));
    std::string header(kJournalMagic);
    return header.append(Identity(target)).append("\n").append(numbers);
}

void SetOwnJournal(const fs::path& place, bool own) {
    const std::lock_guard<std::mutex> hold(g_journalsMutex);
    if (own) {
        g_ownJournals.insert(place);
    } else {
        g_ownJournals.erase(place);
    }
}

// Before a file is read or written: an interrupted save of it is undone first, and said.
void RecoverInterruptedSave(const CString& path) {
    const std::optional<fs::path> target = FollowLinks(FsPath(path));
    if (target && RecoverFromJournals(*target) && CurrentRecoveryNotice()) {
        CurrentRecoveryNotice()(path);
    }
}

} // namespace file_io_posix

RecoveryNotice SetRecoveryNotice(RecoveryNotice notice) {
    return std::exchange(file_io_posix::CurrentRecoveryNotice(), std::move(notice));
}
