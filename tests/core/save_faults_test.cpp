// Saving when the file system works against us: a full disk, a read-only file or folder,
// symbolic links, and a target that changed on disk after it was read. A save that cannot
// be made must say so and leave the old file exactly as it was, with nothing left behind.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/palette_file.h"
#include "model/palette_entry.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct ListDeleter {
    void operator()(UI_LIST* list) const { DiscardPaletteList(list); }
};
using ListPtr = std::unique_ptr<UI_LIST, ListDeleter>;

constexpr std::string_view kOld = "*Old,kept\r\nPen1, 1, 2, 3, 4, 5, 6\r\n";

// Twenty palettes: some 220 KB, more than the small disks below can take.
ListPtr BigList() {
    ListPtr list(NewDefaultPaletteList());
    for (int i = 0; i < 19; ++i) {
        auto* palette = new PaletteEntry;
        palette->m_Name = L"P" + std::to_wstring(i);
        palette->SetDefaultColours();
        list->Add(palette);
    }
    return list;
}

std::set<std::string> FileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// A tmpfs of the given options mounted on a folder for the length of a test; empty when
// the machine does not let us mount one (not root, or in a container that forbids it).
class SmallDisk {
public:
    SmallDisk(const fs::path& folder, const char* options) : m_folder(folder) {
        fs::create_directory(folder);
        m_mounted = ::mount("tintora-test", folder.c_str(), "tmpfs", 0, options) == 0;
    }
    ~SmallDisk() {
        if (m_mounted) {
            ::umount(m_folder.c_str());
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }

private:
    fs::path m_folder;
    bool m_mounted = false;
};

// A disk that fills up part-way, where no tmpfs can be had: a file size limit stops the
// writes the same way.
bool WriteUnderFileSizeLimit(const CString& path, const UI_LIST& list) {
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64 * 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WritePaletteFile(path, list);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return written;
}

constexpr int kWritten = 0;
constexpr int kRefused = 1;
constexpr int kNoOrdinaryUser = 2;

// Root may write anywhere, so as root the write runs in a child that became "nobody".
int WriteAsOrdinaryUser(const CString& path, const UI_LIST& list) {
    if (::geteuid() != 0) {
        return WritePaletteFile(path, list) ? kWritten : kRefused;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(kNoOrdinaryUser);
        }
        ::_exit(WritePaletteFile(path, list) ? kWritten : kRefused);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : kNoOrdinaryUser;
}

// Lets the user "nobody" into the test's folder.
void OpenToEveryone(const fs::path& folder) {
    fs::permissions(folder, fs::perms::all);
}

} // namespace

TEST(SaveFaults, FullDiskKeepsTheOldFile) {
    // Full by bytes: the new content does not fit. Full by files: the temporary file
    // cannot even be made (the folder and the old file take the two inodes there are).
    const struct {
        const char* what;
        const char* options;
    } disks[] = {
        {"no room for the content", "size=64k"},
        {"no room for another file", "size=1m,nr_inodes=2"},
    };
    for (const auto& disk : disks) {
        TempFolder folder;
        const SmallDisk small(folder.Path("disk"), disk.options);
        WriteBytes(folder.Path("disk/p.pal"), kOld);
        const CString path = folder.File("disk/p.pal");
        const bool written = small.Mounted() ? WritePaletteFile(path, *BigList())
                                             : WriteUnderFileSizeLimit(path, *BigList());
        EXPECT_FALSE(written) << disk.what;
        EXPECT_EQ(ReadBytes(folder.Path("disk/p.pal")), kOld) << disk.what;
        EXPECT_EQ(FileNames(folder.Path("disk")), std::set<std::string>{"p.pal"}) << disk.what;
    }
}

TEST(SaveFaults, ReadOnlyFileOrFolderRefusesTheSave) {
    const struct {
        const char* what;
        fs::perms file;
        fs::perms folder;
    } cases[] = {
        // The user protected the file itself; replacing it would undo that.
        {"read-only file", fs::perms::owner_read | fs::perms::others_read, fs::perms::all},
        {"read-only folder", fs::perms::all,
         fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
             fs::perms::others_exec},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        OpenToEveryone(folder.Path());
        fs::create_directory(folder.Path("in"));
        WriteBytes(folder.Path("in/p.pal"), kOld);
        fs::permissions(folder.Path("in/p.pal"), c.file);
        fs::permissions(folder.Path("in"), c.folder);
        const int result = WriteAsOrdinaryUser(folder.File("in/p.pal"), *BigList());
        if (result == kNoOrdinaryUser) {
            GTEST_SKIP() << "running as root without a way to become an ordinary user";
        }
        EXPECT_EQ(result, kRefused) << c.what;
        fs::permissions(folder.Path("in"), fs::perms::owner_all);
        EXPECT_EQ(ReadBytes(folder.Path("in/p.pal")), kOld) << c.what;
        EXPECT_EQ(FileNames(folder.Path("in")), std::set<std::string>{"p.pal"}) << c.what;
    }
}

TEST(SaveFaults, SymbolicLinks) {
    const ListPtr list(NewDefaultPaletteList());
    const std::string written = [&] {
        TempFolder scratch;
        EXPECT_TRUE(WritePaletteFile(scratch.File("p.pal"), *list));
        return ReadBytes(scratch.Path("p.pal"));
    }();

    // A chain of two links, one of them relative across folders: the file at its end is
    // replaced and both links stay.
    {
        TempFolder folder;
        fs::create_directories(folder.Path("data/real"));
        WriteBytes(folder.Path("data/real/p.pal"), kOld);
        fs::create_symlink("real/p.pal", folder.Path("data/middle.pal"));
        fs::create_symlink(folder.Path("data/middle.pal"), folder.Path("link.pal"));
        ASSERT_TRUE(WritePaletteFile(folder.File("link.pal"), *list));
        EXPECT_TRUE(fs::is_symlink(folder.Path("link.pal")));
        EXPECT_TRUE(fs::is_symlink(folder.Path("data/middle.pal")));
        EXPECT_EQ(ReadBytes(folder.Path("data/real/p.pal")), written);
        EXPECT_EQ(FileNames(folder.Path("data/real")), std::set<std::string>{"p.pal"});
    }
    // A link to a file that does not exist yet: the file is made where the link points.
    {
        TempFolder folder;
        fs::create_directory(folder.Path("real"));
        fs::create_symlink("real/new.pal", folder.Path("link.pal"));
        ASSERT_TRUE(WritePaletteFile(folder.File("link.pal"), *list));
        EXPECT_TRUE(fs::is_symlink(folder.Path("link.pal")));
        EXPECT_EQ(ReadBytes(folder.Path("real/new.pal")), written);
    }
    // Links that go round in a circle lead to no file: refused, nothing made.
    {
        TempFolder folder;
        fs::create_symlink("b.pal", folder.Path("a.pal"));
        fs::create_symlink("a.pal", folder.Path("b.pal"));
        EXPECT_FALSE(WritePaletteFile(folder.File("a.pal"), *list));
        EXPECT_EQ(FileNames(folder.Path()), (std::set<std::string>{"a.pal", "b.pal"}));
        EXPECT_TRUE(fs::is_symlink(folder.Path("a.pal")));
    }
    // A link into a folder we may not write: refused, the file it names untouched.
    {
        TempFolder folder;
        OpenToEveryone(folder.Path());
        fs::create_directory(folder.Path("ro"));
        WriteBytes(folder.Path("ro/p.pal"), kOld);
        fs::permissions(folder.Path("ro"), fs::perms::owner_read | fs::perms::owner_exec |
                                               fs::perms::others_read | fs::perms::others_exec);
        fs::create_symlink("ro/p.pal", folder.Path("link.pal"));
        const int result = WriteAsOrdinaryUser(folder.File("link.pal"), *list);
        if (result != kNoOrdinaryUser) {
            EXPECT_EQ(result, kRefused);
        }
        fs::permissions(folder.Path("ro"), fs::perms::owner_all);
        EXPECT_EQ(ReadBytes(folder.Path("ro/p.pal")), kOld);
        EXPECT_EQ(FileNames(folder.Path("ro")), std::set<std::string>{"p.pal"});
    }
}

// The file was read, then something else changed what lies at its path before the save.
TEST(SaveFaults, TargetChangedAfterReading) {
    const struct {
        const char* what;
        const char* file;
        std::function<void(const TempFolder&)> change;
        bool saved; // whether the save can go ahead
    } cases[] = {
        {"replaced by another program's save", "p.pal",
         [](const TempFolder& f) {
             WriteBytes(f.Path("other.tmp"), "*Theirs,x\r\n");
             fs::rename(f.Path("other.tmp"), f.Path("p.pal"));
         },
         true},
        {"deleted", "p.pal", [](const TempFolder& f) { fs::remove(f.Path("p.pal")); }, true},
        {"replaced by a link", "p.pal",
         [](const TempFolder& f) {
             WriteBytes(f.Path("elsewhere.pal"), kOld);
             fs::remove(f.Path("p.pal"));
             fs::create_symlink("elsewhere.pal", f.Path("p.pal"));
         },
         true},
        {"replaced by a folder", "p.pal",
         [](const TempFolder& f) {
             fs::remove(f.Path("p.pal"));
             fs::create_directory(f.Path("p.pal"));
             WriteBytes(f.Path("p.pal/inside"), kOld);
         },
         false},
        {"its folder removed", "sub/p.pal",
         [](const TempFolder& f) { fs::remove_all(f.Path("sub")); }, false},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        fs::create_directory(folder.Path("sub"));
        WriteBytes(folder.Path(c.file), kOld);
        const CString path = folder.File(c.file);
        const PaletteReadResult read = ReadPaletteFile(path);
        ASSERT_EQ(read.status, PaletteReadStatus::Ok) << c.what;
        const ListPtr list(read.list);
        PaletteAt(*list, 0)->m_Description = L"changed";
        c.change(folder);
        const std::set<std::string> before = FileNames(folder.Path());
        const bool wasLink = fs::is_symlink(folder.Path(c.file));

        EXPECT_EQ(WritePaletteFile(path, *list), c.saved) << c.what;
        std::set<std::string> expected = before;
        if (c.saved) {
            expected.insert(fs::path(c.file).begin()->string());
        }
        EXPECT_EQ(FileNames(folder.Path()), expected) << c.what << ": nothing left behind";
        EXPECT_EQ(fs::is_symlink(folder.Path(c.file)), wasLink) << c.what;
        if (c.saved) {
            // Whatever is there now is replaced by the whole of the new content.
            const PaletteReadResult again = ReadPaletteFile(path);
            ASSERT_EQ(again.status, PaletteReadStatus::Ok) << c.what;
            const ListPtr reread(again.list);
            ASSERT_EQ(reread->Count(), 1u) << c.what;
            EXPECT_EQ(PaletteAt(*reread, 0)->m_Description, L"changed") << c.what;
        } else if (fs::is_directory(folder.Path(c.file))) {
            EXPECT_EQ(ReadBytes(folder.Path("p.pal/inside")), kOld) << c.what;
        }
    }
}
