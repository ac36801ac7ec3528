// The definition-file reader: item headers, comments, line ends and repeated names from
// data/cases/def_items.txt; unknown names and unreadable files (the hostile files test
// covers very long lines and items across the scan blocks).

#include "shared/def_file_reader.h"
#include "temp_folder.h"

namespace {

// Reads every item the way the palette reader does, names first, then each in turn, and
// writes each as the table does: "name;description;element;element...".
std::vector<std::string> ReadBytesAsItems(std::string_view bytes) {
    TempFolder folder;
    WriteBytes(folder.Path("f.pal"), bytes);
    CVeldraDefFileReader reader;
    EXPECT_TRUE(reader.Open(folder.File("f.pal")));
    CStringArray names;
    reader.GetItemList(names);
    std::vector<std::string> items;
    for (const CString& name : names) {
        CString description, element;
        EXPECT_TRUE(reader.StartItemRead(name, description));
        std::string item = ToUtf8(name) + ";" + ToUtf8(description);
        while (reader.ReadNextElement(element)) {
            item += ";" + ToUtf8(element);
        }
        items.push_back(item);
    }
    reader.Close();
    return items;
}

class DefFileReader : public testing::TestWithParam<CaseRow> {};

TEST_P(DefFileReader, Row) {
    const CaseRow& row = GetParam();
    EXPECT_EQ(ReadBytesAsItems(row[0]),
              std::vector<std::string>(row.fields.begin() + 1, row.fields.end()));
}

INSTANTIATE_TEST_SUITE_P(Cases, DefFileReader, testing::ValuesIn(ReadCaseTable("def_items.txt")),
                         CaseName);

} // namespace

TEST(DefFileReader, UnknownNamesAndUnreadableFiles) {
    TempFolder folder;
    WriteBytes(folder.Path("f.pal"), "*A,D\nPen1\n");
    CVeldraDefFileReader reader;
    ASSERT_TRUE(reader.Open(folder.File("f.pal")));
    CString description, element;
    EXPECT_FALSE(reader.StartItemRead(L"a", description)) << "names match exactly";
    EXPECT_FALSE(reader.ReadNextElement(element));
    EXPECT_FALSE(reader.Open(folder.File("missing.pal")));
    EXPECT_FALSE(reader.Open(FromUtf8(folder.Path().string()))) << "a folder";
    EXPECT_FALSE(reader.StartItemRead(L"A", description)) << "a failed Open forgets the old file";
}
