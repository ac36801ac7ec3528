// Importing any bytes as the old colour table, and looking keys up in them as INI text.
#include "legacy_ini_check.h"

#include <cwchar>
#include <fstream>
#include <memory>
#include <vector>

#include "files/legacy_colour_table.h"
#include "model/default_colours.h"
#include "shared/fields.h"
#include "shared/ini_file.h"
#include "shared/text_encoding.h"

namespace fs = std::filesystem;

namespace {

std::string CheckImportedPalette(const PaletteEntry& palette) {
    if (palette.m_Name != L"Veldra 3" || palette.m_Description != L"Imported Veldra 3 palette") {
        return "the imported palette has the wrong name or description";
    }
    for (int pen = 0; pen < kPenCount; ++pen) {
        const COLORREF light = palette.m_Colours[kLightBackground][pen];
        const COLORREF dark = palette.m_Colours[kDarkBackground][pen];
        if (light > 0xFFFFFF || dark > 0xFFFFFF) {
            return "pen " + std::to_string(pen) + " has a colour with its top byte set";
        }
        const bool imported = pen >= 1 && pen <= 15;
        if (imported && light != dark) {
            return "imported pen " + std::to_string(pen) + " differs between the backgrounds";
        }
        if (!imported && (light != DefaultLightColours[pen] || dark != DefaultDarkColours[pen])) {
            return "pen " + std::to_string(pen) + " lost its default colours";
        }
    }
    return {};
}

// Section and key names as the text itself spells them, so that lookups also find
// what is there. A rough split is enough: the reader decides what they really are.
std::vector<std::pair<CString, CString>> NamesIn(std::string_view bytes) {
    const CString text = DecodeWindows1252(bytes);
    std::vector<std::pair<CString, CString>> names;
    CString section;
    std::size_t begin = 0;
    while (begin < text.size() && names.size() < 64) {
        std::size_t end = text.find_first_of(L"\r\n", begin);
        end = end == CString::npos ? text.size() : end;
        const std::wstring_view line(text.data() + begin, end - begin);
        if (!line.empty() && line.front() == L'[') {
            section = CString(line.substr(1, line.find(L']') - 1));
        } else if (const std::size_t equals = line.find(L'='); equals != line.npos) {
            names.emplace_back(section, CString(line.substr(0, equals)));
        }
        begin = end + 1;
    }
    return names;
}

// The values go through the field reader the way the import and its callers use it.
void SplitValue(const wchar_t* value) {
    for (int index = 0; index <= 4; ++index) {
        (void)coreGetFieldInt(value, 0, index, L' ');
        (void)GetField(value, L"0", index, L',');
    }
}

std::string CheckLookups(const fs::path& input, std::string_view bytes) {
    TINIFile ini(FromUtf8(input.string()).c_str());
    // A key ends at the first '=' and a section name at the first ']', so these are never
    // in a file and the defaults must come back.
    const wchar_t* absent[][2] = {{L"COLORS", L"a=b"}, {L"a]b", L"pen1"}};
    for (const auto& [section, key] : absent) {
        if (std::wcscmp(ini.ReadString(section, key, L"default"), L"default") != 0) {
            return "a name that cannot exist was found";
        }
    }
    if (ini.ReadString(nullptr, L"pen1", nullptr) == nullptr) {
        return "a null default came back as a null text";
    }
    for (int pen = 0; pen <= 16; ++pen) {
        const CString lower = L"pen" + std::to_wstring(pen);
        const CString upper = L"PEN" + std::to_wstring(pen);
        const CString value = ini.ReadString(L"COLORS", lower.c_str(), L"0 0 0");
        if (value != ini.ReadString(L"colors", upper.c_str(), L"0 0 0")) {
            return "looking up " + ToUtf8(lower) + " depends on the case of the names";
        }
        SplitValue(value.c_str());
    }
    for (const auto& [section, key] : NamesIn(bytes)) {
        SplitValue(ini.ReadString(section.c_str(), key.c_str(), L""));
    }
    return {};
}

} // namespace

std::string CheckLegacyIniInput(std::string_view bytes, const fs::path& folder) {
    const fs::path input = folder / "input.ini";
    std::ofstream(input, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    const std::unique_ptr<PaletteEntry> palette(NewLegacyPalette(FromUtf8(input.string())));
    if (palette == nullptr) {
        return "no palette was imported";
    }
    if (std::string failure = CheckImportedPalette(*palette); !failure.empty()) {
        return failure;
    }
    return CheckLookups(input, bytes);
}
