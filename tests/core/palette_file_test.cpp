// Palette files: the pen-line rules of data/cases/pen_lines.txt and round trips. The exact
// bytes written are checked where files are saved under faults and by tintora-cli default.

#include <algorithm>
#include <atomic>
#include <thread>

#include "files/formats/json_format.h"
#include "shared/file_io.h"
#include "temp_folder.h"

namespace {

ListPtr ReadList(const CString& path) {
    const PaletteReadResult result = ReadPaletteFile(path);
    EXPECT_EQ(result.status, PaletteReadStatus::Ok);
    EXPECT_NE(result.list, nullptr);
    return ListPtr(result.list);
}

void AddPalette(UI_LIST& list, const CString& name, const CString& description, int seed) {
    auto* palette = new PaletteEntry;
    palette->m_Name = name;
    palette->m_Description = description;
    for (int variant = 0; variant < 2; ++variant) {
        for (int pen = 0; pen < kPenCount; ++pen) {
            palette->m_Colours[variant][pen] = MakeColour(pen * 7 + seed, variant * 91 + seed, pen);
        }
    }
    list.Add(palette);
}

// Every palette of list, its texts and all its colours, as JSON.
std::string Json(const UI_LIST& list) {
    std::string text;
    EXPECT_TRUE(WriteJsonPalettes(list, [&text](std::string_view bytes) {
        text += bytes;
        return true;
    }));
    return text;
}

class PenLines : public testing::TestWithParam<CaseRow> {};

TEST_P(PenLines, Row) {
    const CaseRow& row = GetParam();
    TempFolder folder;
    WriteBytes(folder.Path("p.pal"), "*P,D\r\n" + row[0] + "\r\n");
    const ListPtr list = ReadList(folder.File("p.pal"));
    ASSERT_EQ(list->Count(), 1u);
    PaletteEntry expected;
    expected.SetDefaultColours();
    if (const int pen = row.Int(1); pen >= 0) {
        expected.m_Colours[kLightBackground][pen] = row.Colour(2);
        expected.m_Colours[kDarkBackground][pen] = row.Colour(3);
    }
    EXPECT_EQ(PaletteAt(*list, 0)->m_Colours, expected.m_Colours);
}

INSTANTIATE_TEST_SUITE_P(Cases, PenLines, testing::ValuesIn(ReadCaseTable("pen_lines.txt")),
                         CaseName);

} // namespace

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
    EXPECT_EQ(Json(*read), Json(original));
    // Writing what was read gives the same bytes again.
    ASSERT_TRUE(WritePaletteFile(folder.File("again.pal"), *read));
    EXPECT_EQ(ReadBytes(folder.Path("again.pal")), ReadBytes(folder.Path(name)));
    original.Destroy();
}

// Another program saving over the file again and again while it is read: whichever version
// is read, the stamp given with it is that version's, so a change made during the read still
// counts as another program's when the file is saved.
TEST(PaletteFile, TheStampIsThatOfTheVersionRead) {
    TempFolder folder;
    const CString path = folder.File("p.pal");
    const std::string versions[] = {std::string(4000, '\n') + "*A\r\n",
                                    "*B\r\n*C\r\n" + std::string(4000, '\n')};
    std::vector<std::pair<std::optional<FileStamp>, unsigned int>> saved;
    ASSERT_EQ(WriteFileBytes(path, versions[0]), "");
    saved.emplace_back(StampOf(path), 1);
    std::atomic<bool> reading = true;
    std::thread other([&] {
        for (unsigned int i = 1; reading; ++i) {
            if (WriteFileBytes(path, versions[i % 2]).empty()) {
                saved.emplace_back(StampOf(path), i % 2 + 1); // read once this thread ends
            }
        }
    });
    std::vector<std::pair<std::optional<FileStamp>, unsigned int>> read;
    for (int i = 0; i < 200; ++i) {
        const PaletteReadResult result = ReadPaletteFile(path);
        if (result.status == PaletteReadStatus::Ok) {
            read.emplace_back(result.stamp, result.list->Count());
        }
        DiscardPaletteList(result.list);
    }
    reading = false;
    other.join();
    for (const auto& [stamp, count] : read) {
        const auto version = std::find_if(saved.begin(), saved.end(),
                                          [&](const auto& entry) { return entry.first == stamp; });
        ASSERT_NE(version, saved.end());
        EXPECT_EQ(version->second, count);
    }
}
