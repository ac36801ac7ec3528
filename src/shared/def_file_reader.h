// Reader for files made of '*'-headed items: "*NAME,DESCRIPTION" starts an item, the
// lines up to the next header are its elements. '#' starts a comment that runs to the end
// of the line; blank lines are skipped. The whole file is scanned and indexed once by
// Open, so StartItemRead goes straight to its item.
//
// Bytes are Windows-1252; lines end in LF or CR LF, the last one possibly in nothing.
// Elements come without surrounding blanks; lines before the first header belong to no
// item. A header may be indented. Its name runs from the '*' to the first ',' and its
// description is the rest, both kept exactly as written so that what a writer puts there
// reads back unchanged; only the blanks in front of a cut-off comment are dropped.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "shared/cstring.h"

class CVeldraDefFileReader {
public:
    CVeldraDefFileReader();
    virtual ~CVeldraDefFileReader();

    // True when the file can be read (a folder or a missing file cannot).
    bool Open(const CString& path);
    // Names of all items in file order; returns their number.
    unsigned int GetItemList(CStringArray& names);
    // Makes the named item current. The k-th call for one name yields the k-th item of
    // that name, so files holding several items of one name read back whole.
    bool StartItemRead(const CString& name, CString& description);
    bool ReadNextElement(CString& element);
    void Close();

private:
    // A stretch of the file's bytes.
    struct Span {
        std::size_t offset = 0;
        std::size_t length = 0;
    };
    struct Item {
        CString name;
        CString description;
        std::size_t firstElement = 0; // into m_elements
        std::size_t endElement = 0;
    };
    struct ItemsOfName {
        std::vector<std::size_t> items; // into m_items, in file order
        std::size_t calls = 0;          // StartItemRead calls so far
    };

    void IndexLine(std::size_t begin, std::size_t end);
    void AddItem(std::size_t begin, std::size_t end);

    std::string m_bytes; // the whole file, decoded line by line as it is read
    std::vector<Span> m_elements;
    std::vector<Item> m_items;
    std::unordered_map<CString, ItemsOfName> m_byName;
    std::size_t m_nextElement = 0;
    std::size_t m_endElement = 0;
};
