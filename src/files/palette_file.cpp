// The palette file reader (through the definition-file reader) and writer.
#include "files/palette_file.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/palette_entry.h"
#include "shared/def_file_reader.h"
#include "shared/fields.h"
#include "shared/file_io.h"
#include "shared/text_encoding.h"

namespace {

// The explanatory block at the top of every file we write; people edit these files by hand.
constexpr std::array<std::string_view, 20> kHeader = {
    "# Palette File",
    "",
    "# This file contains the pen colours for the supported colour palettes.",
    "# Each palette definition starts with a * and ends either at the following * or at the "
    "end of the file.",
    "# The format of a palette definition is as follows:",
    "",
    "# *NAME,ASCII description",
    "# PenX, R, G, B, R, G, B",
    "",
    "# PenX is a pen number from 0 to 255. Pen 0 is the standard marker pen while usable pens "
    "run from 1 to 255.",
    "# R, G and B are the red, green and blue components of a colour. These are numbers from 0 "
    "to 255 where 0 means",
    "# no colour and 255 means full colour. Black is 0, 0, 0 (no colour at all) and White is "
    "255, 255, 255 (full colour",
    "# on all components).",
    "# The first RGB triplet denotes the pen colour for a light background (i.e. darker hued "
    "colours) while the second",
    "# RGB triplet denotes the pen colour for a dark background (i.e. lighter hued colours).",
    "",
    "# As you can see,lines that start with a hash (#) are treated as comments. You can also add",
    "# comments to the end of lines by starting the comment with a hash. Do not add comments "
    "between",
    "# items as the rest of the line will be ignored and this will cause errors.",
    "",
};

// Files are written as Windows text files, whatever system writes them.
constexpr std::string_view kLineEnd = "\r\n";

// The widths make the first colour column end at the same place on every line.
const char* PenLinePattern(int pen) {
    if (pen < 10) {
        return "Pen%d, %5d, %3d, %3d, %3d, %3d, %3d";
    }
    if (pen < 100) {
        return "Pen%d, %4d, %3d, %3d, %3d, %3d, %3d";
    }
    return "Pen%d, %3d, %3d, %3d, %3d, %3d, %3d";
}

void AppendPenLine(std::string& out, const PaletteEntry& palette, int pen) {
    const COLORREF light = palette.m_Colours[kLightBackground][pen];
    const COLORREF dark = palette.m_Colours[kDarkBackground][pen];
    char line[64];
    const int length =
        std::snprintf(line, sizeof line, PenLinePattern(pen), pen, RedOf(light), GreenOf(light),
                      BlueOf(light), RedOf(dark), GreenOf(dark), BlueOf(dark));
    out.append(line, static_cast<std::size_t>(length));
    out.append(kLineEnd);
}

// Appends one palette; false when its name or description has a character the file's
// 8-bit encoding cannot hold (writing a replacement would silently rename it).
bool AppendPalette(std::string& out, const PaletteEntry& palette) {
    const std::optional<std::string> name = EncodeWindows1252(palette.m_Name);
    const std::optional<std::string> description = EncodeWindows1252(palette.m_Description);
    if (!name || !description) {
        return false;
    }
    out += '*';
    out += *name;
    out += ',';
    out += *description;
    out.append(kLineEnd);
    for (int pen = 0; pen < kPenCount; ++pen) {
        AppendPenLine(out, palette, pen);
    }
    out.append(kLineEnd);
    return true;
}

// Takes the fields of a line from left to right: field k of the line is field 1 of what
// follows field k - 1. A file of thousands of palettes has a million pen lines, so fields
// are views rather than copies and the line is walked once rather than once per field.
class FieldWalker {
public:
    explicit FieldWalker(std::wstring_view line) : m_rest(line) {}

    std::optional<std::wstring_view> Next() {
        if (!m_rest) {
            return std::nullopt;
        }
        const std::wstring_view field = GetFieldView(*m_rest, 1, L',').value_or(*m_rest);
        if (field.size() == m_rest->size()) {
            m_rest.reset();
        } else {
            m_rest = m_rest->substr(field.size() + 1);
        }
        return field;
    }

    int NextComponent() { return WToI(Next().value_or(L"0")); }

private:
    std::optional<std::wstring_view> m_rest;
};

// "PenN, R, G, B, R, G, B": anything that is not a pen line, or names no pen, is ignored;
// missing components read as 0 and only their low 8 bits count.
void ApplyPenLine(PaletteEntry& palette, std::wstring_view element) {
    FieldWalker fields(element);
    const std::optional<int> pen = PenNumberOf(fields.Next().value_or(L""));
    if (!pen || *pen < 0 || *pen >= kPenCount) {
        return;
    }
    // Separate statements: the components must be taken in order.
    const int lightRed = fields.NextComponent();
    const int lightGreen = fields.NextComponent();
    const int lightBlue = fields.NextComponent();
    const int darkRed = fields.NextComponent();
    const int darkGreen = fields.NextComponent();
    const int darkBlue = fields.NextComponent();
    palette.m_Colours[kLightBackground][*pen] = MakeColour(lightRed, lightGreen, lightBlue);
    palette.m_Colours[kDarkBackground][*pen] = MakeColour(darkRed, darkGreen, darkBlue);
}

} // namespace

std::optional<int> PenNumberOf(std::wstring_view firstField) {
    const bool startsWithPen = firstField.size() >= 3 &&
                               (firstField[0] == L'P' || firstField[0] == L'p') &&
                               (firstField[1] == L'E' || firstField[1] == L'e') &&
                               (firstField[2] == L'N' || firstField[2] == L'n');
    if (!startsWithPen) {
        return std::nullopt;
    }
    return WToI(firstField.substr(3));
}

namespace {

// ReadPaletteFile without its guard against running out of memory.
PaletteReadResult ReadPalettes(const CString& path) {
    CVeldraDefFileReader reader;
    reader.SetItemLimit(kMaxPalettes);
    if (!reader.Open(path)) {
        if (reader.TooManyItems()) {
            return {PaletteReadStatus::TooMany, nullptr, {}, {}};
        }
        return {PaletteReadStatus::OpenFailed, nullptr, reader.Error(), {}};
    }
    CStringArray names;
    if (reader.GetItemList(names) == 0) {
        reader.Close();
        return {PaletteReadStatus::NoNames, nullptr, {}, {}};
    }
    // The list's own destructor disposes of whatever it holds, should anything throw.
    auto list = std::make_unique<UI_LIST>(nullptr);
    CString element;
    for (CString& name : names) {
        auto palette = std::make_unique<PaletteEntry>();
        // Moved, not copied: the names are not needed again, and a hand-made file may
        // hold huge ones.
        palette->m_Name = std::move(name);
        // Pens the file does not list show the default colours rather than black.
        palette->SetDefaultColours();
        if (!reader.StartItemRead(palette->m_Name, palette->m_Description)) {
            continue;
        }
        PaletteEntry& added = *palette;
        list->Add(palette.release());
        while (reader.ReadNextElement(element)) {
            ApplyPenLine(added, element);
        }
    }
    reader.Close();
    return {PaletteReadStatus::Ok, list.release(), {}, reader.Stamp()};
}

bool WritePalettes(SafeFileWriter& file, const UI_LIST& list) {
    if (!file.IsOpen()) {
        return false;
    }
    std::string text;
    for (std::string_view line : kHeader) {
        text.append(line);
        text.append(kLineEnd);
    }
    // One palette at a time, so that even a huge list needs little memory to write.
    for (const UI_ELEMENT* element = list.First(); element != nullptr; element = element->Next()) {
        const auto* palette = dynamic_cast<const PaletteEntry*>(element);
        if (palette != nullptr && !AppendPalette(text, *palette)) {
            file.Fail("the palette \"" + ToUtf8(palette->m_Name) +
                      "\" holds a character Windows-1252 cannot hold");
            return false;
        }
        if (!file.Write(text)) {
            return false;
        }
        text.clear();
    }
    return file.Write(text) && file.Commit();
}

} // namespace

PaletteReadResult ReadPaletteFile(const CString& path) {
    try {
        // A file another program changed while it was read may be read as a mix of two
        // versions: it is read again, a few times at most, until it stood still throughout.
        constexpr int kReads = 3;
        PaletteReadResult result = ReadPalettes(path);
        for (int read = 1; read < kReads && result.status == PaletteReadStatus::Ok &&
                           StampOf(path) != result.stamp;
             ++read) {
            DiscardPaletteList(result.list);
            result = ReadPalettes(path);
        }
        return result;
    } catch (const std::bad_alloc&) {
        return {PaletteReadStatus::OpenFailed, nullptr, SystemErrorText(ENOMEM), {}};
    }
}

bool WritePaletteFile(const CString& path, const UI_LIST& list, std::string* reason) {
    bool written = false;
    std::string why;
    if (list.Count() > kMaxPalettes) {
        if (reason != nullptr) {
            *reason = kTooManyPalettesText;
        }
        return false;
    }
    try {
        SafeFileWriter file(path);
        written = WritePalettes(file, list);
        why = file.Error();
    } catch (const std::bad_alloc&) {
        why = SystemErrorText(ENOMEM);
    }
    if (reason != nullptr) {
        *reason = why;
    }
    return written;
}

PaletteUpdateResult UpdatePaletteFile(const CString& path,
                                      const std::function<bool(UI_LIST& list)>& change,
                                      const LockWait& wait) {
    const FileLock lock(path, wait);
    if (!lock.IsLocked()) {
        return {lock.TimedOut() ? PaletteUpdateStatus::LockTimedOut
                                : PaletteUpdateStatus::LockFailed,
                PaletteReadStatus::Ok, lock.Error()};
    }
    PaletteReadResult read{PaletteReadStatus::Ok, nullptr, {}, {}};
    if (lock.IsEmpty()) {
        read.list = new UI_LIST(nullptr);
    } else {
        read = ReadPaletteFile(path);
    }
    const std::unique_ptr<UI_LIST, void (*)(UI_LIST*)> list(read.list, DiscardPaletteList);
    if (read.status != PaletteReadStatus::Ok) {
        return {PaletteUpdateStatus::ReadFailed, read.status, read.reason};
    }
    if (!lock.IsEmpty() && list->Count() == 0) {
        // Writing back would replace the palettes that could not be read.
        return {PaletteUpdateStatus::NoneReadable, read.status, {}};
    }
    if (!change(*list)) {
        return {PaletteUpdateStatus::Declined, read.status, {}};
    }
    std::string reason;
    if (!WritePaletteFile(path, *list, &reason)) {
        return {PaletteUpdateStatus::WriteFailed, read.status, reason};
    }
    return {PaletteUpdateStatus::Written, read.status, {}};
}
