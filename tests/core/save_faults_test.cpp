// Saving when the file system works against us: a full disk, read-only files and folders,
// symbolic links, a target that changed on disk since it was read, text the file cannot
// hold. A save that cannot be made must say so and leave every file as it was, with
// nothing left behind; one that can be made replaces the file at the end of any links.
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <iostream>
#include <set>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/palette_file.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kOld = "*Old,kept\r\nPen1, 1, 2, 3, 4, 5, 6\r\n";
constexpr int kWritten = 0;
constexpr int kRefused = 1;
constexpr int kNoOrdinaryUser = 2;
constexpr fs::perms kReadOnlyFolder =
    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec;

enum class How { Plain, AsOrdinaryUser, OnFillingDisk, Unencodable };

struct Fault {
    const char* what;
    std::function<void(const fs::path& dir)> arrange; // what lies on disk when saving
    const char* target;
    bool saved;
    // The file that must then hold the new content, or still the old; none when null.
    const char* result;
    How how = How::Plain;
};

void Old(const fs::path& path) {
    WriteBytes(path, kOld);
}

void ReadOnlyFolderWithOldFile(const fs::path& dir) {
    fs::create_directory(dir / "ro");
    Old(dir / "ro/p.pal");
    fs::permissions(dir / "ro", kReadOnlyFolder);
}

const Fault kFaults[] = {
    {"disk full part-way", [](const fs::path& d) { Old(d / "p.pal"); }, "p.pal", false, "p.pal",
     How::OnFillingDisk},
    // The user protected the file itself; replacing it would undo that.
    {"read-only file",
     [](const fs::path& d) {
         Old(d / "p.pal");
         fs::permissions(d / "p.pal", fs::perms::owner_read | fs::perms::others_read);
     },
     "p.pal", false, "p.pal", How::AsOrdinaryUser},
    {"read-only folder", ReadOnlyFolderWithOldFile, "ro/p.pal", false, "ro/p.pal",
     How::AsOrdinaryUser},
    {"link into a read-only folder",
     [](const fs::path& d) {
         ReadOnlyFolderWithOldFile(d);
         fs::create_symlink("ro/p.pal", d / "link.pal");
     },
     "link.pal", false, "ro/p.pal", How::AsOrdinaryUser},
    {"chain of two links, one relative across folders",
     [](const fs::path& d) {
         fs::create_directories(d / "data/real");
         Old(d / "data/real/p.pal");
         fs::permissions(d / "data/real/p.pal",
                         fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
         fs::create_symlink("real/p.pal", d / "data/middle.pal");
         fs::create_symlink(d / "data/middle.pal", d / "link.pal");
     },
     "link.pal", true, "data/real/p.pal"},
    {"link to a file not made yet",
     [](const fs::path& d) {
         fs::create_directory(d / "real");
         fs::create_symlink("real/new.pal", d / "link.pal");
     },
     "link.pal", true, "real/new.pal"},
    {"links in a circle",
     [](const fs::path& d) {
         fs::create_symlink("b.pal", d / "a.pal");
         fs::create_symlink("a.pal", d / "b.pal");
     },
     "a.pal", false, nullptr},
    {"replaced since reading by another program's save",
     [](const fs::path& d) {
         Old(d / "p.pal");
         WriteBytes(d / "other.tmp", "*Theirs,x\r\n");
         fs::rename(d / "other.tmp", d / "p.pal");
     },
     "p.pal", true, "p.pal"},
    {"deleted since reading", [](const fs::path&) {}, "p.pal", true, "p.pal"},
    {"replaced since reading by a link",
     [](const fs::path& d) {
         Old(d / "elsewhere.pal");
         fs::create_symlink("elsewhere.pal", d / "p.pal");
     },
     "p.pal", true, "elsewhere.pal"},
    {"replaced since reading by a folder",
     [](const fs::path& d) {
         fs::create_directory(d / "p.pal");
         Old(d / "p.pal/inside");
     },
     "p.pal", false, "p.pal/inside"},
    {"its folder removed since reading", [](const fs::path&) {}, "sub/p.pal", false, nullptr},
    {"a character Windows-1252 cannot hold", [](const fs::path& d) { Old(d / "p.pal"); }, "p.pal",
     false, "p.pal", How::Unencodable},
};

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

// Root may write anywhere, so as root the write runs in a child that became "nobody".
int WriteAsOrdinaryUser(const CString& path, const UI_LIST& list) {
    if (::geteuid() != 0) {
        return Outcome(WritePaletteFile(path, list));
    }
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
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
        if (entry.is_symlink()) {
            name += " link";
        } else if (entry.is_regular_file()) {
            name += " " + std::to_string(static_cast<int>(entry.status().permissions()));
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
        c.arrange(folder.Path());
        const std::set<std::string> before = Listing(folder.Path());
        const bool existed = c.result != nullptr && fs::exists(folder.Path(c.result));

        const CString path = folder.File(c.target);
        int outcome = kWritten;
        if (c.how == How::AsOrdinaryUser) {
            outcome = WriteAsOrdinaryUser(path, *list);
        } else if (c.how == How::OnFillingDisk) {
            outcome = WriteUnderFileSizeLimit(path, *list);
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
