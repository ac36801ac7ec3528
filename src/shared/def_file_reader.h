// Reader for files made of '*'-headed items: "*NAME,DESCRIPTION" starts an item, the
// lines up to the next header are its elements. '#' starts a comment that runs to the end
// of the line; blank lines are skipped. The whole file is scanned and indexed once by
// Open, so StartItemRead goes straight to its item.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
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
    struct Item;
    std::vector<Item> m_items;
    std::map<CString, std::vector<std::size_t>> m_byName;
    std::map<CString, std::size_t> m_nextOfName;
    std::vector<CString> m_lines;
    std::size_t m_currentLine = 0;
    std::size_t m_endLine = 0;
    bool m_bOpen = false;
};
