// Field splitting and the _wtoi-style number reading used on palette and INI lines.
#include "shared/fields.h"

#include <climits>
#include <string_view>

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

bool IsSpace(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

int ReadInt(std::wstring_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    // Accumulate as a negative number so INT_MIN is reachable; saturate instead of wrapping.
    long long value = 0;
    for (; pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9'; ++pos) {
        value = value * 10 - (text[pos] - L'0');
        if (value < static_cast<long long>(INT_MIN)) {
            return negative ? INT_MIN : INT_MAX;
        }
    }
    if (negative) {
        return static_cast<int>(value);
    }
    return value < -static_cast<long long>(INT_MAX) ? INT_MAX : static_cast<int>(-value);
}

// Hand-typed values such as "255  0 0" separate their numbers by runs of blanks, so with
// a blank (or a tab) as separator a run of it counts once and leading ones are skipped.
// Only the separator given splits: with a blank, "10<TAB>20" is one field.
std::optional<std::wstring_view> BlankSeparatedField(std::wstring_view text, int index,
                                                     wchar_t separator) {
    std::size_t start = 0;
    for (int field = 1;; ++field) {
        while (start < text.size() && text[start] == separator) {
            ++start;
        }
        if (start == text.size()) {
            return std::nullopt;
        }
        std::size_t end = start;
        while (end < text.size() && text[end] != separator) {
            ++end;
        }
        if (field == index) {
            return text.substr(start, end - start);
        }
        start = end;
    }
}

} // namespace

// Any separator but a blank is taken literally: "a,,b" has an empty second field.
std::optional<std::wstring_view> GetFieldView(std::wstring_view text, int index,
                                              wchar_t separator) {
    if (index < 1) {
        return std::nullopt;
    }
    if (IsBlank(separator)) {
        return BlankSeparatedField(text, index, separator);
    }
    std::size_t start = 0;
    for (int field = 1; field < index; ++field) {
        const std::size_t end = text.find(separator, start);
        if (end == std::wstring_view::npos) {
            return std::nullopt;
        }
        start = end + 1;
    }
    return text.substr(start, text.find(separator, start) - start);
}

CString GetField(const CString& text, const CString& defaultValue, int index, wchar_t separator) {
    const std::optional<std::wstring_view> field = GetFieldView(text, index, separator);
    return field ? CString(*field) : defaultValue;
}

int coreGetFieldInt(const wchar_t* text, int defaultValue, int index, wchar_t separator) {
    if (text == nullptr) {
        return defaultValue;
    }
    const std::optional<std::wstring_view> field = GetFieldView(text, index, separator);
    return field ? ReadInt(*field) : defaultValue;
}

int WToI(std::wstring_view text) {
    return ReadInt(text);
}

std::string_view TrimBlanks(std::string_view text, std::string_view blanks) {
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}
