// The definition-file reader: item headers, comments, line ends and repeated names from
// data/cases/def_items.txt; unknown names and unreadable files (the hostile files test
// covers very long lines and items across the scan blocks).

#include "shared/def_file_reader.h"
#include "temp_folder.h"

namespace {

struct Item {
    CString name;
    CString description;
    std::vector<CString> elements;
    bool operator==(const Item&) const = default;
};

// Reads every item the way the palette reader does: names first, then each in turn.
std::vector<Item> ReadBytesAsItems(std::string_view bytes) {
    TempFolder folder;
    WriteBytes(folder.Path("f.pal"), bytes);
    CVeldraDefFileReader reader;
    EXPECT_TRUE(reader.Open(folder.File("f.pal")));
    CStringArray names;
    reader.GetItemList(names);
    std::vector<Item> items;
    for (const CString& name : names) {
        Item item{name, {}, {}};
        EXPECT_TRUE(reader.StartItemRead(name, item.description));
        CString element;
        while (reader.ReadNextElement(element)) {
            item.elements.push_back(element);
        }
        items.push_back(item);
    }
    reader.Close();
    return items;
}

// An item as the table writes it: "name;description;element;element...".
Item ItemOf(const std::string& text) {
    std::vector<CString> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(';', start)) != std::string::npos; start = end + 1) {
        parts.push_back(FromUtf8(text.substr(start, end - start)));
    }
    parts.push_back(FromUtf8(text.substr(start)));
    return {parts[0], parts[1], {parts.begin() + 2, parts.end()}};
}

class DefFileReader : public testing::TestWithParam<CaseRow> {};

TEST_P(DefFileReader, Row) {
    const CaseRow& row = GetParam();
    std::vector<Item> expected;
    for (std::size_t i = 1; i < row.size(); ++i) {
        expected.push_back(ItemOf(row[i]));
    }
    EXPECT_EQ(ReadBytesAsItems(row[0]), expected);
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
