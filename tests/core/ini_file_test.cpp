// The INI reader: the reading rules from data/cases/ini.txt, and unreadable files.

#include "shared/ini_file.h"
#include "temp_folder.h"

namespace {

CString Read(const TempFolder& folder, std::string_view name, const CString& section,
             const CString& key) {
    TINIFile ini(folder.File(name).c_str());
    return ini.ReadString(section.c_str(), key.c_str(), L"default");
}

class IniFile : public testing::TestWithParam<CaseRow> {};

TEST_P(IniFile, Row) {
    const CaseRow& row = GetParam();
    TempFolder folder;
    WriteBytes(folder.Path("a.ini"), row[0]);
    EXPECT_EQ(Read(folder, "a.ini", FromUtf8(row[1]), FromUtf8(row[2])), FromUtf8(row[3]));
}

INSTANTIATE_TEST_SUITE_P(Cases, IniFile, testing::ValuesIn(ReadCaseTable("ini.txt")), CaseName);

TEST(IniFile, UnreadableFileGivesDefaults) {
    TempFolder folder;
    EXPECT_EQ(Read(folder, "missing.ini", L"S", L"k"), L"default");
    EXPECT_EQ(Read(folder, "", L"S", L"k"), L"default") << "a folder";
    TINIFile none(nullptr);
    EXPECT_STREQ(none.ReadString(L"S", L"k", nullptr), L"");
}

} // namespace
