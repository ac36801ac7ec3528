// Reading any bytes as a palette file, then the round trip through the writer.
#include "palette_file_check.h"

#include <algorithm>
#include <fstream>
#include <memory>

#include "files/palette_file.h"
#include "model/palette_entry.h"
#include "shared/text_encoding.h"

namespace fs = std::filesystem;

namespace {

struct ListDeleter {
    void operator()(UI_LIST* list) const { DiscardPaletteList(list); }
};
using ListPtr = std::unique_ptr<UI_LIST, ListDeleter>;

CString WidePath(const fs::path& path) {
    return FromUtf8(path.string());
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0).read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

const char* StatusName(PaletteReadStatus status) {
    switch (status) {
    case PaletteReadStatus::Ok:
        return "Ok";
    case PaletteReadStatus::OpenFailed:
        return "OpenFailed";
    case PaletteReadStatus::NoNames:
        return "NoNames";
    case PaletteReadStatus::TooMany:
        return "TooMany";
    }
    return "?";
}

// Reads path; a list only with Ok, never with a failure.
std::string Read(const fs::path& path, ListPtr& list, PaletteReadStatus& status) {
    const PaletteReadResult result = ReadPaletteFile(WidePath(path));
    list.reset(result.list);
    status = result.status;
    if ((status == PaletteReadStatus::Ok) != (result.list != nullptr)) {
        return std::string("status ") + StatusName(status) + " came with the wrong list";
    }
    return {};
}

std::string Compare(const UI_LIST& first, const UI_LIST& again) {
    if (first.Count() != again.Count()) {
        return "read back " + std::to_string(again.Count()) + " palettes instead of " +
               std::to_string(first.Count());
    }
    const UI_ELEMENT* b = again.First();
    int index = 0;
    for (const UI_ELEMENT* a = first.First(); a != nullptr; a = a->Next(), b = b->Next()) {
        const auto* pa = dynamic_cast<const PaletteEntry*>(a);
        const auto* pb = dynamic_cast<const PaletteEntry*>(b);
        const std::string where = "palette " + std::to_string(index++) + ": ";
        if (pa == nullptr || pb == nullptr) {
            return where + "not a palette";
        }
        if (pa->m_Name != pb->m_Name) {
            return where + "name \"" + ToUtf8(pa->m_Name) + "\" read back as \"" +
                   ToUtf8(pb->m_Name) + "\"";
        }
        if (pa->m_Description != pb->m_Description) {
            return where + "description \"" + ToUtf8(pa->m_Description) + "\" read back as \"" +
                   ToUtf8(pb->m_Description) + "\"";
        }
        if (pa->m_Colours != pb->m_Colours) {
            return where + "colours differ after the round trip";
        }
    }
    return {};
}

} // namespace

std::string CheckPaletteFileInput(std::string_view bytes, const fs::path& folder) {
    const fs::path input = folder / "input.pal";
    std::ofstream(input, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    ListPtr first;
    PaletteReadStatus status{};
    if (std::string failure = Read(input, first, status); !failure.empty()) {
        return failure;
    }
    if (status == PaletteReadStatus::OpenFailed) {
        return "a regular file that was just written could not be opened";
    }
    if (status == PaletteReadStatus::NoNames) {
        return {};
    }

    // Everything read came from 8-bit text, so all of it can be written again.
    const fs::path written = folder / "written.pal";
    if (!WritePaletteFile(WidePath(written), *first)) {
        return "the list that was read could not be written";
    }
    ListPtr again;
    if (std::string failure = Read(written, again, status); !failure.empty()) {
        return "written file: " + failure;
    }
    if (first->Count() == 0) {
        return status == PaletteReadStatus::NoNames
                   ? std::string()
                   : std::string("an empty list wrote a file that reads as ") + StatusName(status);
    }
    if (status != PaletteReadStatus::Ok) {
        return std::string("the written file reads as ") + StatusName(status);
    }
    if (std::string failure = Compare(*first, *again); !failure.empty()) {
        return failure;
    }
    // A second round changes no byte: the writer's output is a fixed point of the reader.
    const fs::path rewritten = folder / "rewritten.pal";
    if (!WritePaletteFile(WidePath(rewritten), *again)) {
        return "the list read back could not be written";
    }
    if (ReadBytes(rewritten) != ReadBytes(written)) {
        return "writing what was read back changed the file";
    }
    return {};
}
