// The INI reader against the rules of the Windows profile functions.
#include <gtest/gtest.h>

#include "shared/ini_file.h"
#include "temp_folder.h"

namespace {

CString Read(const TempFolder& folder, std::string_view name, const wchar_t* section,
             const wchar_t* key) {
    TINIFile ini(folder.File(name).c_str());
    return ini.ReadString(section, key, L"default");
}

} // namespace

TEST(IniFile, ReadingRules) {
    const struct {
        const char* what;
        std::string_view bytes;
        const wchar_t* section;
        const wchar_t* key;
        CString expected;
    } cases[] = {
        {"plain", "[COLORS]\npen1=255 0 0\n", L"COLORS", L"pen1", L"255 0 0"},
        {"case of names", "[colors]\nPEN1=1\n", L"Colors", L"pen1", L"1"},
        {"blanks around everything", " [ COLORS ] \n\t pen1 \t=  1 2 3 \t\n", L"COLORS", L"pen1",
         L"1 2 3"},
        {"double quotes", "[S]\nk=\" a \"\n", L"S", L"k", L" a "},
        {"single quotes", "[S]\nk='a'\n", L"S", L"k", L"a"},
        {"unmatched quotes stay", "[S]\nk=\"a'\n", L"S", L"k", L"\"a'"},
        {"only one pair removed", "[S]\nk=\"\"a\"\"\n", L"S", L"k", L"\"a\""},
        {"comment lines", "[S]\n  ;k=1\nk=2\n", L"S", L"k", L"2"},
        {"semicolon in a value", "[S]\nk=1 ; 2\n", L"S", L"k", L"1 ; 2"},
        {"hash is no comment", "[S]\n#k=1\n", L"S", L"#k", L"1"},
        {"text after ]", "[S] trailing\nk=1\n", L"S", L"k", L"1"},
        {"first section wins", "[S]\nk=1\n[s]\nk=2\nj=3\n", L"S", L"j", L"default"},
        {"first key wins", "[S]\nk=1\nK=2\n", L"S", L"k", L"1"},
        {"keys before a section", "k=1\n[S]\n", L"S", L"k", L"default"},
        {"CR LF", "[S]\r\nk=1\r\nj=2\r\n", L"S", L"j", L"2"},
        {"CR only", "[S]\rk=1\rj=2", L"S", L"j", L"2"},
        {"empty value", "[S]\nk=\n", L"S", L"k", L""},
        {"line without =", "[S]\nk\n", L"S", L"k", L"default"},
        {"other section", "[S]\nk=1\n[T]\n", L"T", L"k", L"default"},
        {"Windows-1252", "[S]\nk=caf\xE9\n", L"S", L"k", L"caf\u00E9"},
        {"UTF-8 mark", "\xEF\xBB\xBF[S]\nk=caf\xC3\xA9\n", L"S", L"k", L"caf\u00E9"},
        {"UTF-16 LE mark",
         std::string_view("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xE9\0\x3D\xD8\x00\xDE", 22), L"S", L"k",
         L"\u00E9\U0001F600"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        WriteBytes(folder.Path("a.ini"), c.bytes);
        EXPECT_EQ(Read(folder, "a.ini", c.section, c.key), c.expected) << c.what;
    }
}

TEST(IniFile, UnreadableFileGivesDefaults) {
    TempFolder folder;
    EXPECT_EQ(Read(folder, "missing.ini", L"S", L"k"), L"default");
    EXPECT_EQ(Read(folder, "", L"S", L"k"), L"default") << "a folder";
    TINIFile none(nullptr);
    EXPECT_STREQ(none.ReadString(L"S", L"k", nullptr), L"");
}
