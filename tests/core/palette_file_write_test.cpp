// Saving never destroys the old file: every way a write can fail leaves it as it was.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include "files/palette_file.h"
#include "model/palette_entry.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kOld = "old content\r\n";

struct ListDeleter {
    void operator()(UI_LIST* list) const { DiscardPaletteList(list); }
};
using ListPtr = std::unique_ptr<UI_LIST, ListDeleter>;

// Several palettes, so the file is far larger than any limit the tests set.
ListPtr LargeList() {
    ListPtr list(NewDefaultPaletteList());
    for (int i = 0; i < 4; ++i) {
        auto* palette = new PaletteEntry;
        palette->m_Name = L"P" + std::to_wstring(i);
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

} // namespace

TEST(PaletteFileWrite, CharacterWithoutByteFailsBeforeTouchingAnything) {
    TempFolder folder;
    WriteBytes(folder.Path("p.pal"), kOld);
    const ListPtr list = LargeList();
    PaletteAt(*list, 2)->m_Description = L"\u4E2D";
    EXPECT_FALSE(WritePaletteFile(folder.File("p.pal"), *list));
    EXPECT_EQ(ReadBytes(folder.Path("p.pal")), kOld);
    EXPECT_EQ(FileNames(folder.Path()), std::set<std::string>{"p.pal"});
}

TEST(PaletteFileWrite, WriteFailingPartWayKeepsTheOldFile) {
    TempFolder folder;
    WriteBytes(folder.Path("p.pal"), kOld);
    // A file size limit makes the write of the temporary file stop part-way, as a full
    // disk would.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WritePaletteFile(folder.File("p.pal"), *LargeList());
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(folder.Path("p.pal")), kOld);
    EXPECT_EQ(FileNames(folder.Path()), std::set<std::string>{"p.pal"});
}

TEST(PaletteFileWrite, TargetsThatCannotBeWritten) {
    TempFolder folder;
    const ListPtr list = LargeList();
    EXPECT_FALSE(WritePaletteFile(folder.File("no such folder/p.pal"), *list));
    fs::create_directory(folder.Path("sub"));
    WriteBytes(folder.Path("sub/inside"), kOld);
    EXPECT_FALSE(WritePaletteFile(folder.File("sub"), *list)) << "a folder as target";
    EXPECT_EQ(ReadBytes(folder.Path("sub/inside")), kOld);
    EXPECT_EQ(FileNames(folder.Path()), std::set<std::string>{"sub"});
}

TEST(PaletteFileWrite, ReadOnlyFolderKeepsTheOldFile) {
    TempFolder folder;
    fs::create_directory(folder.Path("ro"));
    WriteBytes(folder.Path("ro/p.pal"), kOld);
    fs::permissions(folder.Path("ro"), fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(folder.Path("ro").c_str(), W_OK) == 0) {
        fs::permissions(folder.Path("ro"), fs::perms::owner_all);
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    EXPECT_FALSE(WritePaletteFile(folder.File("ro/p.pal"), *LargeList()));
    fs::permissions(folder.Path("ro"), fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(folder.Path("ro/p.pal")), kOld);
    EXPECT_EQ(FileNames(folder.Path("ro")), std::set<std::string>{"p.pal"});
}

TEST(PaletteFileWrite, FollowsLinksAndKeepsPermissions) {
    TempFolder folder;
    fs::create_directory(folder.Path("real"));
    WriteBytes(folder.Path("real/p.pal"), kOld);
    fs::permissions(folder.Path("real/p.pal"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/p.pal", folder.Path("link.pal"));
    const ListPtr list(NewDefaultPaletteList());

    ASSERT_TRUE(WritePaletteFile(folder.File("link.pal"), *list));
    EXPECT_TRUE(fs::is_symlink(folder.Path("link.pal")));
    EXPECT_EQ(ReadBytes(folder.Path("real/p.pal")),
              ReadBytes(TINTORA_TEST_DATA_DIR "/default_palette.pal"));
    EXPECT_EQ(fs::status(folder.Path("real/p.pal")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FileNames(folder.Path("real")), std::set<std::string>{"p.pal"});
}
