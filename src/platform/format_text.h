// printf-style formatting into a CString (what CString::Format does on the original
// platform), in the user's language: the format is translated first, so it must be a text
// marked for translation or one no translation holds. Wide strings are passed with %ls: with
// wide formats, %s means a narrow string on every platform but one, so %ls is the portable
// spelling.
#pragma once

#include "shared/cstring.h"

CString FormatText(const wchar_t* format, ...);
