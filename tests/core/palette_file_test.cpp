// Palette files: the exact bytes written, the reading rules, round trips, and saving that
// never destroys the old file, whichever way the write fails.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/palette_file.h"
#include "model/default_colours.h"
#include "model/palette_entry.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct ListDeleter {
    void operator()(UI_LIST* list) const { DiscardPaletteList(list); }
};
using ListPtr = std::unique_ptr<UI_LIST, ListDeleter>;

ListPtr ReadList(const CString& path, PaletteReadStatus expected = PaletteReadStatus::Ok) {
    const PaletteReadResult result = ReadPaletteFile(path);
    EXPECT_EQ(result.status, expected);
    EXPECT_EQ(result.list != nullptr, expected == PaletteReadStatus::Ok);
    return ListPtr(result.list);
}

ListPtr ReadListFromBytes(std::string_view bytes) {
    TempFolder folder;
    WriteBytes(folder.Path("p.pal"), bytes);
    return ReadList(folder.File("p.pal"));
}

PaletteEntry* AddPalette(UI_LIST& list, const CString& name, const CString& description, int seed) {
    auto* palette = new PaletteEntry;
    palette->m_Name = name;
    palette->m_Description = description;
    for (int variant = 0; variant < 2; ++variant) {
        for (int pen = 0; pen < kPenCount; ++pen) {
            palette->m_Colours[variant][pen] = MakeColour(pen * 7 + seed, variant * 91 + seed, pen);
        }
    }
    list.Add(palette);
    return palette;
}

void ExpectSameLists(const UI_LIST& actual, const UI_LIST& expected) {
    ASSERT_EQ(actual.Count(), expected.Count());
    for (int i = 0; i < static_cast<int>(expected.Count()); ++i) {
        const PaletteEntry* a = PaletteAt(actual, i);
        const PaletteEntry* e = PaletteAt(expected, i);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->m_Name, e->m_Name) << i;
        EXPECT_EQ(a->m_Description, e->m_Description) << i;
        EXPECT_EQ(a->m_Colours, e->m_Colours) << i;
    }
}

constexpr std::string_view kOld = "old content\r\n";

// Several palettes, so the file is far larger than any limit the tests set.
ListPtr LargeList() {
    ListPtr list(NewDefaultPaletteList());
    for (int i = 0; i < 4; ++i) {
        AddPalette(*list, L"P" + std::to_wstring(i), L"", i);
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

constexpr int kWritten = 0;
constexpr int kRefused = 1;
constexpr int kNoOrdinaryUser = 2;

// Root may write into read-only folders, so as root the write runs in a child process
// that has become the user "nobody".
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

} // namespace

TEST(PaletteFile, DefaultPaletteByteForByteAndBack) {
    TempFolder folder;
    const ListPtr list(NewDefaultPaletteList());
    WriteBytes(folder.Path("x.pal"), "old content, longer than nothing");
    ASSERT_TRUE(WritePaletteFile(folder.File("x.pal"), *list));
    const std::string golden = ReadBytes(TINTORA_TEST_DATA_DIR "/default_palette.pal");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(ReadBytes(folder.Path("x.pal")), golden);
    ExpectSameLists(*ReadList(folder.File("x.pal")), *list);
}

TEST(PaletteFile, PenLineRules) {
    constexpr int kNothing = -1;
    const struct {
        const char* lines;
        int pen;
        COLORREF light;
        COLORREF dark;
    } cases[] = {
        {"Pen5, 1, 2, 3, 4, 5, 6", 5, MakeColour(1, 2, 3), MakeColour(4, 5, 6)},
        {"pen7,1,2,3,4,5,6", 7, MakeColour(1, 2, 3), MakeColour(4, 5, 6)},
        {"Pen 7, 1, 2, 3, 4, 5, 6", 7, MakeColour(1, 2, 3), MakeColour(4, 5, 6)},
        {"PEN255, 1, 2, 3, 4, 5, 6", 255, MakeColour(1, 2, 3), MakeColour(4, 5, 6)},
        {"Pen, 1, 2, 3, 4, 5, 6", 0, MakeColour(1, 2, 3), MakeColour(4, 5, 6)},
        {"Penguin, 1, 2, 3, 4, 5, 6", 0, MakeColour(1, 2, 3), MakeColour(4, 5, 6)},
        {"Pen5, 255, 0, 0", 5, MakeColour(255, 0, 0), MakeColour(0, 0, 0)},
        {"Pen5, 256, 0, 0, 0, 0, 0", 5, MakeColour(0, 0, 0), MakeColour(0, 0, 0)},
        {"Pen5, 300, -1, x, 7y, , 9", 5, MakeColour(44, 255, 0), MakeColour(7, 0, 9)},
        {"Pen5, 1, 2 # 3, 4, 5, 6", 5, MakeColour(1, 2, 0), MakeColour(0, 0, 0)},
        {"Pen5, 1, 1, 1, 1, 1, 1\nPen5, 2, 2, 2, 2, 2, 2", 5, MakeColour(2, 2, 2),
         MakeColour(2, 2, 2)},
        {"Pen256, 1, 2, 3, 4, 5, 6", kNothing, 0, 0},
        {"Pen-1, 1, 2, 3, 4, 5, 6", kNothing, 0, 0},
        {"Pe5, 1, 2, 3, 4, 5, 6", kNothing, 0, 0},
        {"Colour5, 1, 2, 3, 4, 5, 6", kNothing, 0, 0},
    };
    for (const auto& c : cases) {
        const ListPtr list = ReadListFromBytes(std::string("*P,D\r\n") + c.lines + "\r\n");
        ASSERT_EQ(list->Count(), 1u) << c.lines;
        const PaletteEntry& palette = *PaletteAt(*list, 0);
        // Every pen the line does not set keeps the default palette's colours.
        PaletteEntry expected;
        expected.SetDefaultColours();
        if (c.pen != kNothing) {
            expected.m_Colours[kLightBackground][c.pen] = c.light;
            expected.m_Colours[kDarkBackground][c.pen] = c.dark;
        }
        EXPECT_EQ(palette.m_Colours, expected.m_Colours) << c.lines;
    }
}

TEST(PaletteFile, FailuresToRead) {
    TempFolder folder;
    ReadList(folder.File("missing.pal"), PaletteReadStatus::OpenFailed);
    ReadList(FromUtf8(folder.Path().string()), PaletteReadStatus::OpenFailed);
    WriteBytes(folder.Path("empty.pal"), "");
    ReadList(folder.File("empty.pal"), PaletteReadStatus::NoNames);
    WriteBytes(folder.Path("comments.pal"), "# *Default,Default palette\r\nPen1, 1, 2, 3\r\n");
    ReadList(folder.File("comments.pal"), PaletteReadStatus::NoNames);
}

TEST(PaletteFile, RoundTripKeepsEveryPalette) {
    UI_LIST original(nullptr);
    AddPalette(original, L"Same", L"first of two", 1);
    AddPalette(original, L"Caf\u00E9 \u20AC\u00FF", L"8-bit \u0160\u0081 text  ", 2);
    AddPalette(original, L"Same", L"second of two", 3);
    AddPalette(original, L" spaced ", L"", 4);

    TempFolder folder;
    // A non-ASCII file name too: paths must not depend on the C locale (tests run in "C").
    const char* name = "Farben \xC3\xA9.pal";
    ASSERT_TRUE(WritePaletteFile(folder.File(name), original));
    const ListPtr read = ReadList(folder.File(name));
    ExpectSameLists(*read, original);
    // Writing what was read gives the same bytes again.
    ASSERT_TRUE(WritePaletteFile(folder.File("again.pal"), *read));
    EXPECT_EQ(ReadBytes(folder.Path("again.pal")), ReadBytes(folder.Path(name)));
    original.Destroy();
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

TEST(PaletteFileWrite, FailuresBeforeWritingKeepEverything) {
    TempFolder folder;
    WriteBytes(folder.Path("p.pal"), kOld);
    fs::create_directory(folder.Path("sub"));
    const ListPtr list = LargeList();
    EXPECT_FALSE(WritePaletteFile(folder.File("no such folder/p.pal"), *list));
    EXPECT_FALSE(WritePaletteFile(folder.File("sub"), *list)) << "a folder as target";
    PaletteAt(*list, 2)->m_Description = L"\u4E2D"; // no Windows-1252 byte for it
    EXPECT_FALSE(WritePaletteFile(folder.File("p.pal"), *list));
    EXPECT_EQ(ReadBytes(folder.Path("p.pal")), kOld);
    EXPECT_EQ(FileNames(folder.Path()), (std::set<std::string>{"p.pal", "sub"}));
    EXPECT_TRUE(fs::is_empty(folder.Path("sub")));
}

TEST(PaletteFileWrite, ReadOnlyFolderKeepsTheOldFile) {
    TempFolder folder;
    fs::create_directory(folder.Path("ro"));
    WriteBytes(folder.Path("ro/p.pal"), kOld);
    fs::permissions(folder.Path(), fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);
    fs::permissions(folder.Path("ro"), fs::perms::owner_read | fs::perms::owner_exec |
                                           fs::perms::others_read | fs::perms::others_exec);
    const int result = WriteAsOrdinaryUser(folder.File("ro/p.pal"), *LargeList());
    if (result == kNoOrdinaryUser) {
        GTEST_SKIP() << "running as root without a way to become an ordinary user";
    }
    EXPECT_EQ(result, kRefused);
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
