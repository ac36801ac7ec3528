// INI reader that reads as the Windows profile functions do: names compared without
// regard to case, blanks around names and values dropped, one pair of outer quotes removed,
// ';' comment lines, first of duplicate sections and keys wins, CR LF / LF / CR line ends,
// UTF-16 LE with byte-order mark. A file that cannot be read behaves as an empty one.
#pragma once

#include <map>
#include <string_view>

#include "shared/cstring.h"

class TINIFile {
public:
    explicit TINIFile(const wchar_t* path);
    virtual ~TINIFile();

    // The value of key in section, or defaultValue. Valid until the next call.
    const wchar_t* ReadString(const wchar_t* section, const wchar_t* key,
                              const wchar_t* defaultValue);

private:
    // Adds a trimmed line; section is where its keys go (null: nowhere).
    void ParseLine(std::wstring_view line, std::map<CString, CString>*& section);

    std::map<CString, std::map<CString, CString>> m_sections; // keys folded to upper case
    CString m_result;
};
