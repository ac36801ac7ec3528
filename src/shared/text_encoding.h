// Conversions between our wide strings and the byte encodings of the outside world:
// Windows-1252 for palette and INI files, UTF-8 for paths and the terminal.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shared/cstring.h"

// Every byte decodes, so a file read and written back keeps every byte. Bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the same code point.
CString DecodeWindows1252(std::string_view bytes);
// The same into text, reusing its storage (for reading many lines in a row).
void AssignWindows1252(CString& text, std::string_view bytes);
// Nullopt when some character has no Windows-1252 byte.
std::optional<std::string> EncodeWindows1252(const CString& text);
// The first character of text that Windows-1252 cannot hold, or 0 when there is none.
char32_t FirstUnencodableWindows1252(const CString& text);
// Appends one character: a surrogate pair beyond the first plane where wchar_t has 16 bits.
void AppendWide(CString& text, char32_t code);

std::string ToUtf8(const CString& text);
// True when every byte belongs to a valid UTF-8 sequence.
bool IsValidUtf8(std::string_view bytes);
// True when bytes hold at least one valid multi-byte UTF-8 sequence: 8-bit text that
// was most likely typed in a UTF-8 editor.
bool HasMultiByteUtf8(std::string_view bytes);
CString FromUtf8(std::string_view bytes);
