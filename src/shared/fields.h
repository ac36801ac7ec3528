// Splitting a line into separated fields, as the shared library does it.
#pragma once

#include <optional>
#include <string_view>

#include "shared/cstring.h"

// The index-th field (counted from 1) of text, fields separated by separator;
// defaultValue when text has fewer fields. Fields are returned as they stand (not trimmed).
// A blank or tab as separator splits at runs of it, ignoring leading and trailing ones
// ("255  0 0" has three fields); any other separator splits at each one. Only the given
// separator splits: with a blank, a tab is part of a field.
CString GetField(const CString& text, const CString& defaultValue, int index, wchar_t separator);

// The same field as a view into text, without copying; nullopt when text has fewer fields.
// For readers that split a great many lines.
std::optional<std::wstring_view> GetFieldView(std::wstring_view text, int index, wchar_t separator);

// The index-th field read as a decimal integer the way _wtoi reads (leading white space,
// optional sign, digits up to the first other character, no digits give 0; a value out of
// the int range saturates); defaultValue when the field is absent.
int coreGetFieldInt(const wchar_t* text, int defaultValue, int index, wchar_t separator);

// _wtoi: the conversion both callers above rely on.
int WToI(std::wstring_view text);

// text without the characters of blanks at its start and end (" \t" by default).
std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " \t");
