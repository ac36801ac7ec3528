// Field splitting and the _wtoi-style number reading used on palette and INI lines.
#include "shared/fields.h"

#include <climits>
#include <string_view>

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// Hand-typed values such as "255  0 0" separate their numbers by runs of blanks, so with
// a blank as separator a run of blanks or tabs counts once and leading ones are skipped.
// Any other separator is taken literally: "a,,b" has an empty second field.
std::wstring_view FieldView(std::wstring_view text, int index, wchar_t separator, bool& found) {
    found = false;
    if (index < 1) {
        return {};
    }
    const bool blankRuns = IsBlank(separator);
    std::size_t start = 0;
    if (blankRuns) {
        while (start < text.size() && IsBlank(text[start])) {
            ++start;
        }
        if (start == text.size()) {
            return {};
        }
    }
    for (int field = 1;; ++field) {
        std::size_t end = start;
        while (end < text.size() && (blankRuns ? !IsBlank(text[end]) : text[end] != separator)) {
            ++end;
        }
        if (field == index) {
            found = true;
            return text.substr(start, end - start);
        }
        if (end == text.size()) {
            return {};
        }
        start = end + 1;
        if (blankRuns) {
            while (start < text.size() && IsBlank(text[start])) {
                ++start;
            }
            if (start == text.size()) {
                return {};
            }
        }
    }
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

} // namespace

CString GetField(const CString& text, const CString& defaultValue, int index, wchar_t separator) {
    bool found = false;
    const std::wstring_view field = FieldView(text, index, separator, found);
    return found ? CString(field) : defaultValue;
}

int coreGetFieldInt(const wchar_t* text, int defaultValue, int index, wchar_t separator) {
    if (text == nullptr) {
        return defaultValue;
    }
    bool found = false;
    const std::wstring_view field = FieldView(text, index, separator, found);
    return found ? ReadInt(field) : defaultValue;
}

int WToI(const CString& text) {
    return ReadInt(text);
}
