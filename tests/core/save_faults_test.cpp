// Saving when the file system works against us, from data/cases/save_faults.txt: a full
// disk, read-only files and folders, links, pipes and devices, other owners, names at the
// length limit, a signal part-way, a target changed on disk since it was read, text the
// file cannot hold.
#include <gtest/gtest.h>

#ifdef _WIN32
TEST(SaveFaults, FailedSavesLoseNothingAndLeaveNothingBehind) {
    GTEST_SKIP() << "the faults are made with fork, mount, setrlimit, mkfifo and chown, "
                    "which Windows lacks";
}
#else
#include <csignal>
#include <cstring>
#include <functional>
#include <set>
#include <sstream>

#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "shared/file_io.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kOld = "*Old,kept\r\nPen1, 1, 2, 3, 4, 5, 6\r\n";
constexpr uid_t kNobody = 65534;
constexpr int kWritten = 0;
constexpr int kRefused = 1;
constexpr int kNoOrdinaryUser = 2;

// An access list that lets "nobody" read and write, and the group only read, in the form the
// system keeps it (system.posix_acl_access): a version, then tag, permissions and id each.
std::string AccessList() {
    const std::uint32_t version = 2;
    const std::uint16_t entries[][2] = {{0x01, 6}, {0x02, 6}, {0x04, 4}, {0x10, 6}, {0x20, 0}};
    std::string list(reinterpret_cast<const char*>(&version), 4);
    for (const auto& entry : entries) {
        const std::uint32_t id = entry[0] == 0x02 ? kNobody : std::uint32_t(-1);
        list.append(reinterpret_cast<const char*>(entry), 4);
        list.append(reinterpret_cast<const char*>(&id), 4);
    }
    return list;
}

// A name of the table, with "{long}" standing for one of 255 bytes.
std::string NameOf(const std::string& field) {
    return field == "{long}" ? std::string(251, 'n') + ".pal" : field;
}

// Unmounts the small file systems a case made when it ends.
struct Mounts {
    std::vector<fs::path> points;
    ~Mounts() {
        for (const fs::path& point : points) {
            ::umount(point.c_str());
        }
    }
};

// Makes the ";"-separated steps; false when the case needs what this machine cannot give (a
// small file system).
bool Arrange(const fs::path& dir, const std::string& steps, Mounts& mounts) {
    std::istringstream in(steps);
    for (std::string step; std::getline(in >> std::ws, step, ';');) {
        const std::size_t space = step.find(' ');
        const fs::path path = dir / step.substr(0, space);
        const std::string what = space == std::string::npos ? "" : step.substr(space + 1);
        if (space == std::string::npos && step.ends_with('/')) {
            fs::create_directories(path);
        } else if (space == std::string::npos) {
            WriteBytes(path, kOld);
        } else if (what == "|") {
            ::mkfifo(path.c_str(), 0666);
        } else if (what == "c") {
            if (::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
                ::mkfifo(path.c_str(), 0666);
            }
        } else if (what.starts_with("@")) {
            const uid_t owner = what == "@" ? kNobody : uid_t(std::stoi(what.substr(1)));
            EXPECT_TRUE(::chown(path.c_str(), owner, kNobody) == 0 || ::geteuid() != 0);
        } else if (what == "acl") {
            const std::string list = AccessList();
            if (::setxattr(path.c_str(), "user.origin", "kept", 4, 0) != 0 ||
                ::setxattr(path.c_str(), "system.posix_acl_access", list.data(), list.size(), 0) !=
                    0) {
                return false;
            }
        } else if (what.ends_with('k')) {
            fs::create_directories(path);
            const std::string size = "size=" + what + ",mode=0777";
            if (::mount("tmpfs", path.c_str(), "tmpfs", 0, size.c_str()) != 0) {
                return false;
            }
            mounts.points.push_back(path);
        } else if (what.starts_with("=> ")) {
            fs::create_hard_link(dir / what.substr(3), path);
        } else if (step.compare(space, 4, " -> ") == 0) {
            const std::string target = step.substr(space + 4);
            fs::create_symlink(target.starts_with('/') ? dir / target.substr(1) : fs::path(target),
                               path);
        } else {
            fs::permissions(path, fs::perms(std::stoi(step.substr(space + 1), nullptr, 8)));
        }
    }
    return true;
}

// A file size limit stops the writes part-way, as a disk that fills up would.
int WriteUnderFileSizeLimit(const CString& path, const UI_LIST& list) {
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{4096, old.rlim_max}; // under half the default palette
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WritePaletteFile(path, list);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return written ? kWritten : kRefused;
}

// Runs write in a child process and gives its exit code: kRefused when SIGTERM ended it, -1
// for any other end.
int InChild(const std::function<int()>& write) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(write());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status)                                    ? WEXITSTATUS(status)
           : WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM ? kRefused
                                                                : -1;
}

// A save that SIGTERM ends part-way, as kill -TERM would: the child has written more than
// a buffer's worth when it is signalled.
int WriteUntilTerminated(const CString& path) {
    return InChild([&path] {
        SafeFileWriter file(path);
        file.Write(std::string(std::size_t{1} << 20, 'x'));
        ::kill(::getpid(), SIGTERM);
        return kWritten;
    });
}

// A save killed part-way leaves its temporary file behind, which the next save removes.
int SaveAfterKilledSave(const CString& path, const UI_LIST& list) {
    InChild([&path] {
        SafeFileWriter file(path);
        file.Write(std::string(std::size_t{1} << 20, 'x'));
        ::kill(::getpid(), SIGKILL);
        return kWritten;
    });
    return WritePaletteFile(path, list) ? kWritten : kRefused;
}

// A save written in place and killed part-way, as ordinary user or as whoever runs the test,
// then the file read: the reader puts the old bytes back from the save's journal, and says so.
int ReadAfterKilledSave(const CString& path, bool asUser) {
    InChild([&path, asUser] {
        if (asUser && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            return kNoOrdinaryUser;
        }
        SafeFileWriter file(path);
        file.Write(std::string(std::size_t{1} << 20, 'x'));
        ::kill(::getpid(), SIGKILL);
        return kWritten;
    });
    int notices = 0;
    SetRecoveryNotice([&](const CString& recovered) { notices += recovered == path ? 1 : 100; });
    EXPECT_TRUE(ReadFileBytes(path));
    SetRecoveryNotice(nullptr);
    EXPECT_EQ(notices, 1) << "the reader says it put the file back";
    return kRefused;
}

// A save going on meanwhile keeps its temporary file.
int SaveBesideLivingSave(const CString& path, const UI_LIST& list) {
    SafeFileWriter other(path);
    other.Write(std::string(std::size_t{1} << 20, 'x'));
    const bool written = WritePaletteFile(path, list);
    const fs::path folder = FsPath(path).parent_path();
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2)
        << "the file and the other save's temporary file";
    return written ? kWritten : kRefused;
}

// Root may write anywhere, so as root the write runs in a child that became "nobody".
int WriteAsOrdinaryUser(const CString& path, const UI_LIST& list) {
    if (::geteuid() != 0) {
        return WritePaletteFile(path, list) ? kWritten : kRefused;
    }
    return InChild([&] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            return kNoOrdinaryUser;
        }
        return WritePaletteFile(path, list) ? kWritten : kRefused;
    });
}

// The extended attributes of a file, names and values.
std::string Attributes(const fs::path& file) {
    char names[1024] = {};
    const ssize_t size = ::llistxattr(file.c_str(), names, sizeof names);
    std::string all;
    for (ssize_t at = 0; at < size; at += ssize_t(std::strlen(names + at)) + 1) {
        char value[256] = {};
        const ssize_t length = ::lgetxattr(file.c_str(), names + at, value, sizeof value);
        all += std::string(" ") + (names + at) + "=" +
               std::string(value, std::max<ssize_t>(length, 0));
    }
    return all;
}

// Everything below folder, links marked and files with their permissions, so that comparing
// two listings shows anything made, removed, put in place of a link or given other rights.
std::set<std::string> Listing(const fs::path& folder) {
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat info {};
        ::lstat(entry.path().c_str(), &info);
        const std::string owned = std::to_string(info.st_mode) + " " + std::to_string(info.st_uid) +
                                  ":" + std::to_string(info.st_gid) + Attributes(entry.path());
        entries.insert(entry.path().lexically_relative(folder).string() +
                       (entry.is_symlink()        ? " link"
                        : entry.is_regular_file() ? " " + owned
                        : entry.is_directory()    ? ""
                                                  : " special " + std::to_string(info.st_ino)));
    }
    return entries;
}

class SaveFaults : public testing::TestWithParam<CaseRow> {};

// A save that cannot be made must say so and leave every file as it was, with nothing left
// behind; one that can be made replaces the file at the end of any links.
TEST_P(SaveFaults, Row) {
    const CaseRow& row = GetParam();
    SCOPED_TRACE(row[0]);
    const std::string target = NameOf(row[2]);
    const bool saved = row[3] == "yes";
    const std::string result = row[4] == "-" ? std::string() : NameOf(row[4]);
    const std::string& how = row[5];
    const ListPtr list(NewDefaultPaletteList());
    // Journals of saves written in place go here when the file's folder takes none; any user
    // may write it, and it is compared empty at the end.
    static const TempFolder state;
    fs::permissions(state.Path(), fs::perms::all);
    ::setenv("XDG_STATE_HOME", state.Path().c_str(), 1);
    TempFolder folder;
    fs::permissions(folder.Path(), fs::perms::all); // lets "nobody" in
    Mounts mounts;
    if (!Arrange(folder.Path(), row[1], mounts)) {
        GTEST_SKIP() << "this file system or machine cannot give what the case needs "
                        "(a small file system, extended attributes and access lists)";
    }
    const std::set<std::string> before = Listing(folder.Path());
    const bool existed = !result.empty() && fs::exists(folder.Path(result));

    const CString path = folder.File(target);
    if (how == "unencodable") {
        PaletteAt(*list, 0)->m_Description = L"\u4E2D";
    }
    const int outcome = how == "full"              ? WriteUnderFileSizeLimit(path, *list)
                        : how == "term"            ? WriteUntilTerminated(path)
                        : how == "user"            ? WriteAsOrdinaryUser(path, *list)
                        : how == "killed"          ? SaveAfterKilledSave(path, *list)
                        : how == "beside"          ? SaveBesideLivingSave(path, *list)
                        : how == "killed in place" ? ReadAfterKilledSave(path, false)
                        : how == "killed as user"
                            ? ReadAfterKilledSave(path, true)
                            : (WritePaletteFile(path, *list) ? kWritten : kRefused);
    if (outcome == kNoOrdinaryUser) {
        GTEST_SKIP() << "running as root without a way to become another user";
    }
    EXPECT_EQ(outcome, saved ? kWritten : kRefused);
    std::set<std::string> after = Listing(folder.Path());
    if (saved && !existed) {
        std::erase_if(after, [&](const std::string& e) { return e.starts_with(result); });
    }
    EXPECT_EQ(after, before) << "nothing made, removed or changed but the saved file";
    if (!result.empty()) {
        const std::string written = ReadBytes(TINTORA_TEST_DATA_DIR "/default_palette.pal");
        EXPECT_EQ(ReadBytes(folder.Path(result)), saved ? written : std::string(kOld));
    }
    for (const auto& entry : fs::recursive_directory_iterator(state.Path())) {
        EXPECT_FALSE(entry.is_regular_file()) << entry.path() << " left behind";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveFaults, testing::ValuesIn(ReadCaseTable("save_faults.txt")),
                         CaseName);

} // namespace
#endif
