// TINIFile: parses the whole file once into sections of keys, the way the Windows profile
// functions read it.
#include "shared/ini_file.h"

#include <optional>
#include <string>
#include <string_view>

#include "shared/file_io.h"
#include "shared/text_encoding.h"

namespace {

char32_t UnitAt(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]) |
           (static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8);
}

CString DecodeUtf16Le(std::string_view bytes) {
    CString text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = UnitAt(bytes, i);
        const bool pair = sizeof(wchar_t) > 2 && unit >= 0xD800 && unit <= 0xDBFF &&
                          i + 3 < bytes.size() && UnitAt(bytes, i + 2) >= 0xDC00 &&
                          UnitAt(bytes, i + 2) <= 0xDFFF;
        if (pair) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (UnitAt(bytes, i + 2) - 0xDC00);
            i += 2;
        }
        text += static_cast<wchar_t>(unit);
    }
    return text;
}

// Legacy files are Windows files: UTF-16 LE when they start with its byte-order mark,
// UTF-8 with its mark, otherwise the ANSI code page.
CString DecodeIniText(std::string_view bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        return DecodeUtf16Le(bytes.substr(2));
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        return FromUtf8(bytes.substr(3));
    }
    return DecodeWindows1252(bytes);
}

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

std::wstring_view Trim(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Names match without regard to case, as on Windows; folding covers ASCII and Latin-1.
CString Fold(std::wstring_view name) {
    CString folded(name);
    for (wchar_t& c : folded) {
        const bool lower = (c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
        if (lower) {
            c = static_cast<wchar_t>(c - 0x20);
        }
    }
    return folded;
}

std::wstring_view Unquote(std::wstring_view value) {
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == L'"' || value.front() == L'\'');
    return quoted ? value.substr(1, value.size() - 2) : value;
}

} // namespace

TINIFile::TINIFile(const wchar_t* path) {
    if (path == nullptr) {
        return;
    }
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        return;
    }
    const CString text = DecodeIniText(*bytes);
    // Keys before the first section, and all keys of a repeated section, go nowhere.
    std::map<CString, CString>* section = nullptr;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find_first_of(L"\r\n", begin);
        if (end == CString::npos) {
            end = text.size();
        }
        ParseLine(Trim(std::wstring_view(text).substr(begin, end - begin)), section);
        begin =
            end + ((end + 1 < text.size() && text[end] == L'\r' && text[end + 1] == L'\n') ? 2 : 1);
    }
}

void TINIFile::ParseLine(std::wstring_view line, std::map<CString, CString>*& section) {
    if (line.empty() || line.front() == L';') {
        return;
    }
    if (line.front() == L'[') {
        const std::size_t close = line.find(L']');
        const std::wstring_view name =
            Trim(line.substr(1, close == std::wstring_view::npos ? line.npos : close - 1));
        const auto [it, inserted] = m_sections.try_emplace(Fold(name));
        section = inserted ? &it->second : nullptr;
        return;
    }
    const std::size_t equals = line.find(L'=');
    if (section == nullptr || equals == std::wstring_view::npos) {
        return;
    }
    const std::wstring_view key = Trim(line.substr(0, equals));
    const std::wstring_view value = Unquote(Trim(line.substr(equals + 1)));
    section->try_emplace(Fold(key), value);
}

TINIFile::~TINIFile() = default;

const wchar_t* TINIFile::ReadString(const wchar_t* section, const wchar_t* key,
                                    const wchar_t* defaultValue) {
    m_result = defaultValue != nullptr ? defaultValue : L"";
    if (section == nullptr || key == nullptr) {
        return m_result.c_str();
    }
    const auto keys = m_sections.find(Fold(section));
    if (keys != m_sections.end()) {
        const auto value = keys->second.find(Fold(key));
        if (value != keys->second.end()) {
            m_result = value->second;
        }
    }
    return m_result.c_str();
}
