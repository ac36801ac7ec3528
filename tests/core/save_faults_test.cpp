// Saving when the file system works against us: a full disk, read-only files and folders,
// symbolic links, hard links, pipes and devices, other owners, names at the length limit,
// a signal part-way, a target that changed on disk since it was read, text the file cannot
// hold. A save that cannot be made must say so and leave every file as it was, with
// nothing left behind; one that can be made replaces the file at the end of any links and
// keeps its mode, owner and other names.
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/palette_file.h"
#include "shared/file_io.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kOld = "*Old,kept\r\nPen1, 1, 2, 3, 4, 5, 6\r\n";
const std::string kLongName = std::string(251, 'n') + ".pal";
constexpr uid_t kNobody = 65534;
constexpr int kWritten = 0;
constexpr int kRefused = 1;
constexpr int kNoOrdinaryUser = 2;

enum class How { Plain, AsOrdinaryUser, OnFillingDisk, Unencodable, Terminated };

struct Fault {
    const char* what;
    // What lies on disk when saving, step by step: "name/" a folder, "name" a file of the
    // old content, "name -> target" a symbolic link ("/" starts at the test's folder),
    // "name 0555" those permissions, "name => target" a hard link, "name |" a named pipe,
    // "name c" a null device (a pipe where no device can be made), "name @" owned by
    // nobody, "name 8k" a folder that is a file system of that size (where one can be made).
    std::vector<std::string> arrange;
    const char* target;
    bool saved;
    // The file that must then hold the new content, or still the old; none when null.
    const char* result;
    How how = How::Plain;
};

const Fault kFaults[] = {
    {"disk full part-way", {"p.pal"}, "p.pal", false, "p.pal", How::OnFillingDisk},
    // The user protected the file itself; replacing it would undo that.
    {"read-only file", {"p.pal", "p.pal 0444"}, "p.pal", false, "p.pal", How::AsOrdinaryUser},
    {"read-only folder",
     {"ro/", "ro/p.pal", "ro 0505"},
     "ro/p.pal",
     false,
     "ro/p.pal",
     How::AsOrdinaryUser},
    {"link into a read-only folder",
     {"ro/", "ro/p.pal", "ro 0505", "link.pal -> ro/p.pal"},
     "link.pal",
     false,
     "ro/p.pal",
     How::AsOrdinaryUser},
    {"chain of two links, one relative across folders",
     {"data/real/", "data/real/p.pal", "data/real/p.pal 0640", "data/middle.pal -> real/p.pal",
      "link.pal -> /data/middle.pal"},
     "link.pal",
     true,
     "data/real/p.pal"},
    {"link to a file not made yet",
     {"real/", "link.pal -> real/new.pal"},
     "link.pal",
     true,
     "real/new.pal"},
    {"links in a circle", {"a.pal -> b.pal", "b.pal -> a.pal"}, "a.pal", false, nullptr},
    // Saving keeps nothing of the reading, so another program's file in its place is just
    // a file there.
    {"replaced since reading by another program's save", {"p.pal"}, "p.pal", true, "p.pal"},
    {"deleted since reading", {}, "p.pal", true, "p.pal"},
    {"replaced since reading by a link",
     {"elsewhere.pal", "p.pal -> elsewhere.pal"},
     "p.pal",
     true,
     "elsewhere.pal"},
    {"replaced since reading by a folder",
     {"p.pal/", "p.pal/inside"},
     "p.pal",
     false,
     "p.pal/inside"},
    {"its folder removed since reading", {}, "sub/p.pal", false, nullptr},
    {"a character Windows-1252 cannot hold", {"p.pal"}, "p.pal", false, "p.pal", How::Unencodable},
    {"named pipe", {"p.pal |"}, "p.pal", false, nullptr},
    {"device", {"p.pal c"}, "p.pal", false, nullptr},
    {"link to a device", {"dev c", "p.pal -> dev"}, "p.pal", false, nullptr},
    {"small file system full", {"small/ 8k", "small/p.pal"}, "small/p.pal", false, "small/p.pal"},
    // The other name must see the new content, or the old one after a failure.
    {"hard link", {"p.pal", "other.pal => p.pal"}, "p.pal", true, "other.pal"},
    {"hard link, disk full part-way",
     {"p.pal", "other.pal => p.pal"},
     "p.pal",
     false,
     "other.pal",
     How::OnFillingDisk},
    {"writable file in a read-only folder",
     {"ro/", "ro/p.pal", "ro/p.pal 0666", "ro 0555"},
     "ro/p.pal",
     true,
     "ro/p.pal",
     How::AsOrdinaryUser},
    {"another user's file", {"p.pal", "p.pal 0604", "p.pal @"}, "p.pal", true, "p.pal"},
    {"name of 255 bytes", {}, kLongName.c_str(), true, kLongName.c_str()},
    {"SIGTERM part-way", {"p.pal"}, "p.pal", false, "p.pal", How::Terminated},
    {"SIGTERM part-way into a hard link",
     {"p.pal", "other.pal => p.pal"},
     "p.pal",
     false,
     "other.pal",
     How::Terminated},
};

// Unmounts the small file systems a case made when it ends.
struct Mounts {
    std::vector<fs::path> points;
    ~Mounts() {
        for (const fs::path& point : points) {
            ::umount(point.c_str());
        }
    }
};

// False when the case needs what this machine cannot give (a small file system).
bool Arrange(const fs::path& dir, const std::vector<std::string>& steps, Mounts& mounts) {
    for (const std::string& step : steps) {
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
        } else if (what == "@") {
            EXPECT_TRUE(::chown(path.c_str(), kNobody, kNobody) == 0 || ::geteuid() != 0);
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

int Outcome(bool written) {
    return written ? kWritten : kRefused;
}

// A file size limit stops the writes part-way, as a disk that fills up would.
int WriteUnderFileSizeLimit(const CString& path, const UI_LIST& list) {
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096; // under half the default palette
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WritePaletteFile(path, list);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return Outcome(written);
}

// A save that SIGTERM ends part-way, as kill -TERM would: the child has written more than
// a buffer's worth when it is signalled.
int WriteUntilTerminated(const CString& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        SafeFileWriter file(path);
        file.Write(std::string(std::size_t{1} << 20, 'x'));
        ::kill(::getpid(), SIGTERM);
        ::_exit(kWritten);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM ? kRefused : kWritten;
}

// Root may write anywhere, so as root the write runs in a child that became "nobody".
int WriteAsOrdinaryUser(const CString& path, const UI_LIST& list) {
    if (::geteuid() != 0) {
        return Outcome(WritePaletteFile(path, list));
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(kNoOrdinaryUser);
        }
        ::_exit(Outcome(WritePaletteFile(path, list)));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : kNoOrdinaryUser;
}

// Everything below folder, links marked and files with their permissions, so that comparing
// two listings shows anything made, removed, put in place of a link or given other rights.
std::set<std::string> Listing(const fs::path& folder) {
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string name = entry.path().lexically_relative(folder).string();
        struct stat info {};
        ::lstat(entry.path().c_str(), &info);
        if (entry.is_symlink()) {
            name += " link";
        } else if (entry.is_regular_file()) {
            name += " " + std::to_string(static_cast<int>(entry.status().permissions())) + " " +
                    std::to_string(info.st_uid) + ":" + std::to_string(info.st_gid);
        } else if (!entry.is_directory()) {
            name += " special " + std::to_string(info.st_ino);
        }
        entries.insert(name);
    }
    return entries;
}

} // namespace

TEST(SaveFaults, FailedSavesLoseNothingAndLeaveNothingBehind) {
    const ListPtr list(NewDefaultPaletteList());
    const ListPtr unencodable(NewDefaultPaletteList());
    PaletteAt(*unencodable, 0)->m_Description = L"\u4E2D";
    const std::string written = [&] {
        TempFolder scratch;
        EXPECT_TRUE(WritePaletteFile(scratch.File("p.pal"), *list));
        return ReadBytes(scratch.Path("p.pal"));
    }();
    for (const Fault& c : kFaults) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        fs::permissions(folder.Path(), fs::perms::all); // lets "nobody" in
        Mounts mounts;
        if (!Arrange(folder.Path(), c.arrange, mounts)) {
            std::cerr << c.what << ": skipped, no small file system can be made here\n";
            continue;
        }
        const std::set<std::string> before = Listing(folder.Path());
        const bool existed = c.result != nullptr && fs::exists(folder.Path(c.result));

        const CString path = folder.File(c.target);
        int outcome = kWritten;
        if (c.how == How::AsOrdinaryUser) {
            outcome = WriteAsOrdinaryUser(path, *list);
        } else if (c.how == How::OnFillingDisk) {
            outcome = WriteUnderFileSizeLimit(path, *list);
        } else if (c.how == How::Terminated) {
            outcome = WriteUntilTerminated(path);
        } else {
            outcome =
                Outcome(WritePaletteFile(path, c.how == How::Unencodable ? *unencodable : *list));
        }
        if (outcome == kNoOrdinaryUser) {
            std::cerr << c.what
                      << ": skipped, running as root without a way to become another user\n";
            continue;
        }
        EXPECT_EQ(outcome, c.saved ? kWritten : kRefused);
        std::set<std::string> after = Listing(folder.Path());
        if (c.saved && !existed) {
            std::erase_if(after, [&](const std::string& e) { return e.starts_with(c.result); });
        }
        EXPECT_EQ(after, before) << "nothing made, removed or changed but the saved file";
        if (c.result != nullptr) {
            EXPECT_EQ(ReadBytes(folder.Path(c.result)), c.saved ? written : std::string(kOld));
        }
    }
}
