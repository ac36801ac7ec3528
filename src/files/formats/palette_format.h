// What the formats beside .pal share: the list of formats, the result of reading one, the
// sink writers write to, and the rules for colours and texts that every format follows.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/colour.h"
#include "model/palette_entry.h"
#include "shared/cstring.h"

enum class PaletteFormat { Pal, Json, Gpl, Hex, Css, Ase, Aco, Jasc, Riff };

// "pal", "json", "gpl", "hex", "css", "ase", "aco", "jasc" or "riff", in any case; nullopt
// for anything else.
std::optional<PaletteFormat> FormatFromName(std::string_view name);
// The format a file name's extension names; nullopt when it names none. ".pal" is Pal: which
// of the formats sharing that extension a file holds, its first bytes tell (PalFormatOf).
std::optional<PaletteFormat> FormatFromPath(std::string_view path);
// The file name of path without its folder and extension ("Web" for "/x/Web.gpl").
std::string StemOf(std::string_view path);

using PaletteVector = std::vector<std::unique_ptr<PaletteEntry>>;

// The palettes read, or an error that says where the input went wrong ("line 7: ..." or
// "palettes[2].light[17]: ..."). Warnings name what was read but left out.
struct FormatReadResult {
    PaletteVector palettes;
    std::string error; // empty on success
    std::vector<std::string> warnings;

    bool Ok() const { return error.empty(); }
};

// Receives a writer's output piece by piece; false stops the writer (a full disk, say).
using ByteSink = std::function<bool(std::string_view)>;
// Hands a reader its input piece by piece, so that no reader holds a whole file; an empty
// piece ends the input.
using ByteSource = std::function<std::string_view()>;
// A source of all of bytes in one piece (bytes must outlive it).
ByteSource SourceOf(std::string_view bytes);
// A source of what file holds from where it stands, read a block at a time into a buffer of
// the source's own; file must outlive it, and a read error ends the input (see ferror).
ByteSource SourceOf(std::FILE* file);

// Reads the whole of what source hands out with read, as the binary formats need; input
// longer than kMaxBinaryFileBytes is refused with an error before it fills the memory.
FormatReadResult ReadWhole(const ByteSource& source,
                           const std::function<FormatReadResult(std::string_view)>& read);

// False, with result's error set at place, when result already holds as many palettes as a
// palette file may; readers of formats of many palettes ask before making another, so that
// a huge file is refused before its palettes fill the memory.
bool RoomForAnotherPalette(FormatReadResult& result, const std::string& place);

// "#rrggbb" (or "rrggbb" without the hash) in lower-case hex.
std::string ColourHex(COLORREF colour, bool withHash = true);
// Reads "rrggbb" in either case, with a leading "#" when hashAllowed.
std::optional<COLORREF> ParseHexColour(std::string_view text, bool hashAllowed);

// Why text cannot be stored as a palette's name or description in a .pal file (a character
// Windows-1252 lacks, a line break), or empty when it can.
std::string UnstorableTextProblem(const CString& text);

// A file name's bytes as text: UTF-8 where they are UTF-8, any other byte Windows-1252 (the
// encoding of names made on older systems).
CString TextFromFileName(std::string_view bytes);

// text as UTF-8 with its line breaks (which would end a line of the format) and C1 controls
// (which terminals act on) spelled "\x0D" or "\x9D", for formats without escapes of their
// own.
std::string VisibleUtf8(const CString& text);

// Bytes of a UTF-8 format as text; bytes that are not UTF-8 are read as Windows-1252, the
// encoding older files of these formats used.
CString TextFromForeignBytes(std::string_view bytes);

// Colour k of the list becomes pen k (from 1) in both variants; pen 0 and the pens after
// the last colour keep the default colours. Colours past the 255th are left out with a
// warning that names where they begin; counted says how many more a reader counted without
// keeping them.
std::unique_ptr<PaletteEntry> PaletteFromColourRows(CString name, CString description,
                                                    const std::vector<COLORREF>& rows,
                                                    const std::string& placeOfPen256,
                                                    std::vector<std::string>& warnings,
                                                    std::size_t counted = 0);

// Like PaletteFromColourRows for the indexed formats, whose entry i is pen i (from 0).
std::unique_ptr<PaletteEntry> PaletteFromIndexedRows(CString name, CString description,
                                                     const std::vector<COLORREF>& rows,
                                                     const std::string& placeOfEntry257,
                                                     std::vector<std::string>& warnings,
                                                     std::size_t counted = 0);
