// The definition-file reader: item headers, comments, line ends and repeated names.
#include <gtest/gtest.h>

#include <vector>

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

} // namespace

TEST(DefFileReader, LineRules) {
    const struct {
        const char* what;
        std::string_view bytes;
        std::vector<Item> expected;
    } cases[] = {
        {"CR LF", "*A,Desc\r\nPen1, 2\r\n", {{L"A", L"Desc", {L"Pen1, 2"}}}},
        {"LF, no final line end", "*A,Desc\nPen1\nPen2", {{L"A", L"Desc", {L"Pen1", L"Pen2"}}}},
        {"comments and blank lines",
         "# c\n\n*A,D # note\n  # x\n\t\nPen1 #c\n \n",
         {{L"A", L"D", {L"Pen1"}}}},
        {"lines before the first item", "Pen1\n*A,D\nPen2\n", {{L"A", L"D", {L"Pen2"}}}},
        {"elements trimmed", "*A,D\n  Pen1, 2  \r\n", {{L"A", L"D", {L"Pen1, 2"}}}},
        {"header kept as written", "*  A b ,Desc, more  \r\n", {{L"  A b ", L"Desc, more  ", {}}}},
        {"no comma, empty name", "*Only\n*,D\n", {{L"Only", L"", {}}, {L"", L"D", {}}}},
        {"indented header, doubled CR", "  *A,D\r\r\nPen1\r\r\n", {{L"A", L"D", {L"Pen1"}}}},
        {"8-bit text", "*Caf\xE9,\x80 \x81\nPen1\n", {{L"Caf\u00E9", L"\u20AC \u0081", {L"Pen1"}}}},
        {"no items", "# only comments\nPen1\n", {}},
        {"repeated names, their items in turn",
         "*X,first\nPen1\n*Y,other\n*X,second\nPen2\n",
         {{L"X", L"first", {L"Pen1"}}, {L"Y", L"other", {}}, {L"X", L"second", {L"Pen2"}}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadBytesAsItems(c.bytes), c.expected) << c.what;
    }
}

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

TEST(DefFileReader, ItemsAcrossScanBlocksAndVeryLongLines) {
    // Far larger than the reader's scan block, with a line longer than a block, so items
    // and lines straddle block boundaries.
    std::string bytes;
    std::vector<Item> expected;
    const std::string longElement(300000, 'x');
    for (int i = 0; i < 6000; ++i) {
        const std::string n = std::to_string(i);
        bytes += "*N" + n + ",D" + n + "\r\nPen" + n + ", 1\r\n# comment\r\n";
        expected.push_back({L"N" + std::to_wstring(i),
                            L"D" + std::to_wstring(i),
                            {L"Pen" + std::to_wstring(i) + L", 1"}});
        if (i == 3000) {
            bytes += longElement + "\r\n";
            expected.back().elements.emplace_back(longElement.begin(), longElement.end());
        }
    }
    EXPECT_EQ(ReadBytesAsItems(bytes), expected);
}
