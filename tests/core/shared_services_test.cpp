// The shared services' small parts: field splitting and number reading, text conversions,
// the INI reader, the list container and the message box without a presenter.
#include <numeric>

#include "shared/fields.h"
#include "shared/ini_file.h"
#include "shared/ui_list.h"
#include "shared/xmessagebox.h"
#include "temp_folder.h"

namespace {

// Field splitting and number reading, from the table in data/cases/fields.txt.
class Fields : public testing::TestWithParam<CaseRow> {};

TEST_P(Fields, Row) {
    const CaseRow& row = GetParam();
    const CString text = FromUtf8(row[1]);
    if (row[0] == "GetField") {
        EXPECT_EQ(GetField(text, L"dflt", row.Int(2), FromUtf8(row[3])[0]), FromUtf8(row[4]));
    } else if (row[0] == "WToI") {
        EXPECT_EQ(WToI(text), row.Int(2));
    } else {
        EXPECT_EQ(coreGetFieldInt(row[1] == "null" ? nullptr : text.c_str(), row.Int(2), row.Int(3),
                                  L' '),
                  row.Int(4));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Fields, testing::ValuesIn(ReadCaseTable("fields.txt")), CaseName);

// Windows-1252 and UTF-8 conversions: every byte survives, nothing is silently replaced. Which
// characters a file can hold is the Add dialog's table (palette_texts.txt), the decoding of
// single bytes the dump of eight_bit_names.pal.
TEST(TextEncoding, EveryWindows1252ByteRoundTrips) {
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0'); // every byte once
    const CString text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(EncodeWindows1252(text), all);
    EXPECT_EQ(FirstUnencodableWindows1252(text), 0);
}

TEST(TextEncoding, Utf8RoundTripsEvenInvalidBytes) {
    EXPECT_EQ(ToUtf8(L"Corvane 2014 \u00E9\u20AC\U0001F600"),
              "Corvane 2014 \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(FromUtf8("\xC3\xA9\xE2\x82\xAC"), L"\u00E9\u20AC");
    // File names need not be valid UTF-8; they must still reach the same file.
    for (std::string bytes : {"a\xFFz", "\xC3", "\xED\xA0\x80", "\xC0\xAF"}) {
        EXPECT_EQ(ToUtf8(FromUtf8(bytes)), bytes);
    }
}

// The INI reader: the reading rules from data/cases/ini.txt, and unreadable files.
CString Read(const CString& path, const CString& section, const CString& key) {
    return TINIFile(path.c_str()).ReadString(section.c_str(), key.c_str(), L"default");
}

class IniFile : public testing::TestWithParam<CaseRow> {};

TEST_P(IniFile, Row) {
    const CaseRow& row = GetParam();
    TempFolder folder;
    WriteBytes(folder.Path("a.ini"), row[0]);
    EXPECT_EQ(Read(folder.File("a.ini"), FromUtf8(row[1]), FromUtf8(row[2])), FromUtf8(row[3]));
}

INSTANTIATE_TEST_SUITE_P(Cases, IniFile, testing::ValuesIn(ReadCaseTable("ini.txt")), CaseName);

TEST(IniFile, UnreadableFileGivesDefaults) {
    TempFolder folder;
    EXPECT_EQ(Read(folder.File("missing.ini"), L"S", L"k"), L"default");
    EXPECT_EQ(Read(folder.File(""), L"S", L"k"), L"default") << "a folder";
    TINIFile none(nullptr);
    EXPECT_STREQ(none.ReadString(L"S", L"k", nullptr), L"");
}

// The list container's order and ownership rules: each element destroyed exactly once, the
// count following what leaves, an element deleted while linked unlinking itself. Each element
// records its own destruction, so ownership mistakes show up as counts.
struct Tracked : UI_ELEMENT {
    Tracked(int value, std::vector<int>& destroyed) : m_value(value), m_destroyed(destroyed) {}
    ~Tracked() override { m_destroyed.push_back(m_value); }
    int m_value;
    std::vector<int>& m_destroyed;
};

TEST(UiList, OrderAndOwnershipOfSubtractedDeletedAndDestroyed) {
    std::vector<int> destroyed;
    UI_LIST list(nullptr);
    std::vector<Tracked*> elements;
    for (int v = 1; v <= 4; ++v) {
        elements.push_back(new Tracked(v, destroyed));
        list.Add(elements.back());
    }
    EXPECT_EQ(list.Subtract(elements[0]), elements[0]);
    EXPECT_EQ(list.Subtract(elements[0]), nullptr) << "an element not in the list";
    EXPECT_EQ(list.Count(), 3u);
    delete elements[0];
    delete elements[2]; // still linked: it unlinks itself
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(static_cast<Tracked*>(list.Get(1))->m_value, 4);
    EXPECT_EQ(list.Get(2), nullptr);
    EXPECT_EQ(list.Get(-1), nullptr);
    list.Destroy();
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(destroyed, (std::vector<int>{1, 3, 2, 4})) << "each exactly once";
}

// Without a presenter (the command-line tool, a test) the message box prints its text and
// answers with its first button. What a presenter is handed, the GUI tests see in every box.
TEST(XMessageBox, WithoutAPresenterTheFirstButtonAnswers) {
    const XMessageBoxPresenter old = SetXMessageBoxPresenter({});
    testing::internal::CaptureStderr();
    EXPECT_EQ(XMessageBox(nullptr, L"Palette file has been saved", L"Info", 0x30, nullptr), IDOK);
    EXPECT_EQ(XMessageBox(nullptr, L"Save?", L"Save", 0x3, nullptr), IDYES);
    EXPECT_EQ(XMessageBox(nullptr, L"Delete?", L"Info", 0x24, nullptr), IDYES);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Info: Palette file has been saved"),
              std::string::npos);
    SetXMessageBoxPresenter(old);
}

} // namespace
