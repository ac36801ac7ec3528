// Reading the older product's INI colour table into a new palette.
#include "files/legacy_colour_table.h"

#include <cstdio>
#include <string>

#include "shared/fields.h"
#include "shared/file_io.h"
#include "shared/ini_file.h"
#include "shared/read_limits.h"

PaletteEntry* NewLegacyPalette(const CString& iniPath) {
    auto* palette = new PaletteEntry;
    palette->m_Name = L"Veldra 3";
    palette->m_Description = L"Imported Veldra 3 palette";
    palette->SetDefaultColours();

    TINIFile ini(iniPath.c_str());
    // The old table has one colour per pen, for pens 1 to 15 only; it serves both
    // backgrounds.
    for (int pen = 1; pen <= 15; ++pen) {
        const CString key = L"pen" + std::to_wstring(pen);
        const CString value = ini.ReadString(L"COLORS", key.c_str(), L"0 0 0");
        const COLORREF colour = MakeColour(coreGetFieldInt(value.c_str(), 0, 1, L' '),
                                           coreGetFieldInt(value.c_str(), 0, 2, L' '),
                                           coreGetFieldInt(value.c_str(), 0, 3, L' '));
        palette->m_Colours[kLightBackground][pen] = colour;
        palette->m_Colours[kDarkBackground][pen] = colour;
    }
    return palette;
}

std::string LegacyColourTableProblem(const CString& iniPath) {
    std::string reason;
    std::FILE* file = OpenForReading(iniPath, &reason);
    if (file == nullptr) {
        return reason;
    }
    // Counted by reading rather than seeking: a long cannot hold every file's size.
    std::size_t size = 0;
    char block[1 << 16];
    for (std::size_t got = 1; got > 0 && size <= kMaxLineBytes;) {
        got = std::fread(block, 1, sizeof block, file);
        size += got;
    }
    std::fclose(file);
    if (size > kMaxLineBytes) {
        return "larger than 64 MiB; not a Veldra 3 colour table";
    }
    if (!TINIFile(iniPath.c_str()).HasSection(L"COLORS")) {
        return "no [COLORS] section; not a Veldra 3 colour table";
    }
    return {};
}
