// printf-style formatting into a CString (what CString::Format does on the original
// platform). Wide strings are passed with %ls: with wide formats, %s means a narrow string
// on every platform but one, so %ls is the portable spelling.
#pragma once

#include "shared/cstring.h"

CString FormatText(const wchar_t* format, ...);
