// TINIFile: the decoded file, searched section by section the way the Windows profile
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
wchar_t Fold(wchar_t c) {
    const bool lower = (c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
    return lower ? static_cast<wchar_t>(c - 0x20) : c;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i])) {
            return false;
        }
    }
    return true;
}

std::wstring_view Unquote(std::wstring_view value) {
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == L'"' || value.front() == L'\'');
    return quoted ? value.substr(1, value.size() - 2) : value;
}

// Walks the lines of a text from a position up to an end, each line without its line end
// (CR LF, LF or CR) and without surrounding blanks.
class Lines {
public:
    Lines(std::wstring_view text, std::size_t begin, std::size_t end)
        : m_text(text.substr(0, end)), m_pos(begin) {}

    // Where the line that Next will give starts.
    std::size_t Position() const { return m_pos; }

    std::optional<std::wstring_view> Next() {
        if (m_pos >= m_text.size()) {
            return std::nullopt;
        }
        // A plain loop: find_first_of tests each character against a set, which is slow
        // over the many lines the import may walk once for each of its keys.
        std::size_t end = m_pos;
        while (end < m_text.size() && m_text[end] != L'\r' && m_text[end] != L'\n') {
            ++end;
        }
        const std::wstring_view line = m_text.substr(m_pos, end - m_pos);
        const bool crlf =
            end + 1 < m_text.size() && m_text[end] == L'\r' && m_text[end + 1] == L'\n';
        m_pos = end + (crlf ? 2 : 1);
        return Trim(line);
    }

private:
    std::wstring_view m_text;
    std::size_t m_pos;
};

bool IsSectionHeader(std::wstring_view line) {
    return !line.empty() && line.front() == L'[';
}

// "[ name ] anything": the name runs to the first ']', or to the end of the line.
std::wstring_view SectionName(std::wstring_view header) {
    const std::size_t close = header.find(L']');
    return Trim(header.substr(1, close == std::wstring_view::npos ? header.npos : close - 1));
}

} // namespace

TINIFile::TINIFile(const wchar_t* path) {
    if (path == nullptr) {
        return;
    }
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (bytes) {
        m_text = DecodeIniText(*bytes);
    }
}

TINIFile::~TINIFile() = default;

// Only the first section of a name counts: the keys of a repeated one are never read.
std::optional<TINIFile::Range> TINIFile::FindSection(std::wstring_view section) const {
    Lines lines(m_text, 0, m_text.size());
    while (const std::optional<std::wstring_view> line = lines.Next()) {
        if (!IsSectionHeader(*line) || !SameName(SectionName(*line), section)) {
            continue;
        }
        Range range{lines.Position(), m_text.size()};
        for (;;) {
            const std::size_t start = lines.Position();
            const std::optional<std::wstring_view> next = lines.Next();
            if (!next || IsSectionHeader(*next)) {
                range.end = next ? start : m_text.size();
                break;
            }
        }
        return range;
    }
    return std::nullopt;
}

// The first key of the name counts; ';' starts a comment line, a line without '=' is none.
std::optional<std::wstring_view> TINIFile::FindKey(Range range, std::wstring_view key) const {
    Lines lines(m_text, range.begin, range.end);
    while (const std::optional<std::wstring_view> line = lines.Next()) {
        if (line->empty() || line->front() == L';') {
            continue;
        }
        const std::size_t equals = line->find(L'=');
        if (equals != std::wstring_view::npos && SameName(Trim(line->substr(0, equals)), key)) {
            return Unquote(Trim(line->substr(equals + 1)));
        }
    }
    return std::nullopt;
}

const wchar_t* TINIFile::ReadString(const wchar_t* section, const wchar_t* key,
                                    const wchar_t* defaultValue) {
    m_result = defaultValue != nullptr ? defaultValue : L"";
    if (section == nullptr || key == nullptr) {
        return m_result.c_str();
    }
    if (!m_looked || !SameName(m_lastSection, section)) {
        m_lastSection = section;
        m_lastRange = FindSection(section);
        m_looked = true;
    }
    if (m_lastRange) {
        if (const std::optional<std::wstring_view> value = FindKey(*m_lastRange, key)) {
            m_result = *value;
        }
    }
    return m_result.c_str();
}
