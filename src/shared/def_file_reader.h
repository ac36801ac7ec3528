// Reader for files made of '*'-headed items: "*NAME,DESCRIPTION" starts an item, the
// lines up to the next header are its elements. '#' starts a comment that runs to the end
// of the line; blank lines are skipped. Open scans the file once and notes where each item
// lies; StartItemRead then reads just that item's lines, so reading all items is linear in
// the file's size and never holds more than a block of an item in memory.
//
// Bytes are Windows-1252; lines end in LF or CR LF, the last one possibly in nothing.
// Elements come without surrounding blanks; lines before the first header belong to no
// item. A header may be indented. Its name runs from the '*' to the first ',' and its
// description is the rest, both kept exactly as written so that what a writer puts there
// reads back unchanged; only the blanks in front of a cut-off comment are dropped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "shared/cstring.h"
#include "shared/file_io.h"

// How the reader sees one line, given without its LF; for tools that report on a file line
// by line exactly as it reads.
struct DefFileHeader {
    std::string_view name;        // Windows-1252 bytes
    std::string_view description; // empty when the header has no comma
};
// The item header a line holds, or nullopt when it holds none.
std::optional<DefFileHeader> ParseDefFileHeader(std::string_view line);
// The element a line inside an item holds; empty for comment and blank lines.
std::string_view DefFileElement(std::string_view line);

class CVeldraDefFileReader {
public:
    CVeldraDefFileReader();
    virtual ~CVeldraDefFileReader();

    // True when the file can be read (a folder, a missing file and one with a line longer
    // than kMaxLineBytes or names longer than kMaxPaletteTextBytes cannot); otherwise
    // Error() says why.
    bool Open(const CString& path);
    const std::string& Error() const { return m_error; }
    // The stamp of the file opened, taken before anything of it was read.
    const std::optional<FileStamp>& Stamp() const { return m_stamp; }
    // Open refuses a file of more items than this, rather than run out of memory on it.
    void SetItemLimit(std::size_t limit) { m_itemLimit = limit; }
    bool TooManyItems() const { return m_tooMany; }
    // Names of all items in file order; returns their number.
    unsigned int GetItemList(CStringArray& names);
    // Makes the named item current. The k-th call for one name yields the k-th item of
    // that name, so files holding several items of one name read back whole; after the
    // last one it starts again at the first. False when no item has that name.
    bool StartItemRead(const CString& name, CString& description);
    bool ReadNextElement(CString& element);
    void Close();

private:
    // Names and descriptions stay in the file's bytes until asked for: as wide text they
    // would take four times the room, and a hand-made file may hold huge ones.
    struct Item {
        std::string name;
        std::string description;
        std::uint64_t bodyBegin = 0; // file offsets: from the line after the header
        std::uint64_t bodyEnd = 0;   // up to the next header or the end of the file
    };
    struct ItemsOfName {
        std::vector<std::size_t> items; // into m_items, in file order
        std::size_t calls = 0;          // StartItemRead calls so far
    };

    bool IndexFile();
    void IndexLine(std::string_view line, std::uint64_t lineBegin, std::uint64_t nextLine);
    void IndexNames();
    // Reads on into the current item's lines; false when none are left.
    bool ReadMoreOfBody();

    std::FILE* m_file = nullptr;
    std::optional<FileStamp> m_stamp;
    std::vector<Item> m_items;
    // Keys are views of the names in m_items, made once m_items is complete.
    std::unordered_map<std::string_view, ItemsOfName> m_byName;
    std::string m_body; // the bytes of the item being read, from its unread lines on
    std::string m_error;
    std::size_t m_itemLimit = SIZE_MAX;
    bool m_tooMany = false;
    std::size_t m_textBytes = 0; // of all names and descriptions
    std::size_t m_bodyPos = 0;
    std::uint64_t m_bodyLeft = 0; // bytes of the item not yet in m_body
};
