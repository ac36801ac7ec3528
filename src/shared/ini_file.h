// INI reader that reads as the Windows profile functions do: names compared without
// regard to case, blanks around names and values dropped, one pair of outer quotes removed,
// ';' comment lines, first of duplicate sections and keys wins, CR LF / LF / CR line ends,
// UTF-16 LE with byte-order mark. A file that cannot be read behaves as an empty one.
//
// The text is kept as it is and searched when a value is asked for, rather than parsed
// into a table: a table of every key costs many times the file's size, and any file may be
// picked for the import.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "shared/cstring.h"

class TINIFile {
public:
    explicit TINIFile(const wchar_t* path);
    virtual ~TINIFile();

    // The value of key in section, or defaultValue. Valid until the next call.
    const wchar_t* ReadString(const wchar_t* section, const wchar_t* key,
                              const wchar_t* defaultValue);
    bool HasSection(const wchar_t* section) const { return FindSection(section).has_value(); }

private:
    // Where the lines of a section lie in m_text: after its header, up to the next header.
    struct Range {
        std::size_t begin = 0;
        std::size_t end = 0;
    };

    std::optional<Range> FindSection(std::wstring_view section) const;
    std::optional<std::wstring_view> FindKey(Range range, std::wstring_view key) const;

    CString m_text; // the whole file, decoded
    // The section of the last lookup: callers ask for many keys of one section in a row.
    bool m_looked = false;
    CString m_lastSection;
    std::optional<Range> m_lastRange;
    CString m_result;
};
