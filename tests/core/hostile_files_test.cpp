// Files that are no proper palette file, as a user may pick them in the Open and Import
// dialogs: huge lines, random and NUL bytes, enormous palette lists, absurd numbers,
// UTF-16 text, folders and devices. Both readers must give a clear result for each, and
// the memory they need at their worst must stay a small multiple of the file's size (plus
// the palettes they yield, which have a fixed size each).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "files/legacy_colour_table.h"
#include "files/palette_file.h"
#include "heap_meter.h"
#include "model/default_colours.h"
#include "model/palette_entry.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMegabyte = std::size_t{1} << 20;

// What reading may cost at its worst: a few copies of the text as wide characters (four
// bytes each), a fixed amount per palette (its 512 colours and names), and some slack.
constexpr std::size_t kBytesPerFileByte = 6;
constexpr std::size_t kBytesPerPalette = 4096;
constexpr std::size_t kSlack = 4 * kMegabyte;

struct ListDeleter {
    void operator()(UI_LIST* list) const { DiscardPaletteList(list); }
};
using ListPtr = std::unique_ptr<UI_LIST, ListDeleter>;

struct Read {
    PaletteReadStatus status;
    ListPtr list;
};

// Makes the hostile file in folder and returns its path.
using Maker = std::function<fs::path(const TempFolder& folder)>;
// Checks what the palette reader made of it.
using Expectation = std::function<void(const Read& read)>;

struct HostileFile {
    const char* name;
    Maker make;
    Expectation expect;
    // What the import must make of it beyond a palette "Veldra 3" with the default colours
    // outside pens 1 to 15.
    std::function<void(const PaletteEntry& imported)> expectImport = nullptr;
};

void Repeat(std::ostream& out, char c, std::size_t count) {
    const std::string chunk(kMegabyte, c);
    for (; count >= chunk.size(); count -= chunk.size()) {
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    }
    out.write(chunk.data(), static_cast<std::streamsize>(count));
}

// A file of the given bytes.
Maker Bytes(std::function<std::string()> content) {
    return [content](const TempFolder& folder) {
        WriteBytes(folder.Path("hostile"), content());
        return folder.Path("hostile");
    };
}

// A file built piece by piece, for those too big to hold twice.
Maker Stream(std::function<void(std::ostream&)> write) {
    return [write](const TempFolder& folder) {
        std::ofstream out(folder.Path("hostile"), std::ios::binary);
        write(out);
        return folder.Path("hostile");
    };
}

Expectation Status(PaletteReadStatus expected) {
    return [expected](const Read& read) { EXPECT_EQ(read.status, expected); };
}

// A list of palettes, checked one by one; index counts from 0 in file order.
Expectation Palettes(unsigned int count,
                     std::function<void(int index, const PaletteEntry& palette)> check) {
    return [count, check](const Read& read) {
        ASSERT_EQ(read.status, PaletteReadStatus::Ok);
        ASSERT_EQ(read.list->Count(), count);
        int index = 0;
        for (const UI_ELEMENT* e = read.list->First(); e != nullptr; e = e->Next()) {
            check(index++, dynamic_cast<const PaletteEntry&>(*e));
        }
    };
}

// A single palette named P whose pen has the given colours and whose other pens are the
// default ones.
Expectation OnePen(int pen, COLORREF light, COLORREF dark) {
    return Palettes(1, [=](int, const PaletteEntry& palette) {
        PaletteEntry expected;
        expected.SetDefaultColours();
        expected.m_Colours[kLightBackground][pen] = light;
        expected.m_Colours[kDarkBackground][pen] = dark;
        EXPECT_EQ(palette.m_Colours, expected.m_Colours);
    });
}

std::string ManyPalettes(int count, bool sameName) {
    std::string text;
    char line[96];
    for (int i = 0; i < count; ++i) {
        const int length = std::snprintf(
            line, sizeof line, "*%s%d,Palette %d\r\nPen%d, %d, 0, 0, 0, 0, %d\r\n",
            sameName ? "Same" : "P", sameName ? 0 : i, i, i % 256, i % 256, i / 256 % 256);
        text.append(line, static_cast<std::size_t>(length));
    }
    return text;
}

Expectation ManyPalettesRead(int count, bool sameName) {
    return Palettes(static_cast<unsigned int>(count), [=](int i, const PaletteEntry& palette) {
        const CString name = sameName ? L"Same0" : L"P" + std::to_wstring(i);
        ASSERT_EQ(palette.m_Name, name);
        // With one name for all, the k-th request for it must give the k-th palette.
        ASSERT_EQ(palette.m_Description, L"Palette " + std::to_wstring(i));
        ASSERT_EQ(palette.m_Colours[kLightBackground][i % 256], MakeColour(i % 256, 0, 0));
        ASSERT_EQ(palette.m_Colours[kDarkBackground][i % 256], MakeColour(0, 0, i / 256 % 256));
    });
}

const std::string k50Nines(50, '9');

const HostileFile kHostileFiles[] = {
    {"OneLineOf100MB", Stream([](std::ostream& out) { Repeat(out, 'x', 100 * kMegabyte); }),
     Status(PaletteReadStatus::NoNames)},
    // A long line as a palette's name and description, and as one number: big enough to
    // show how many copies of it reading makes.
    {"PaletteHeaderOf32MB", Stream([](std::ostream& out) {
         out << '*';
         Repeat(out, 'n', 16 * kMegabyte);
         out << ',';
         Repeat(out, 'd', 16 * kMegabyte);
     }),
     Palettes(1,
              [](int, const PaletteEntry& palette) {
                  EXPECT_EQ(palette.m_Name.size(), 16 * kMegabyte);
                  EXPECT_EQ(palette.m_Description.size(), 16 * kMegabyte);
              })},
    {"PenComponentOf32MB", Stream([](std::ostream& out) {
         out << "*P,D\r\nPen1, ";
         Repeat(out, '9', 32 * kMegabyte);
         out << ", 2, 3, 4, 5, 6\r\n";
     }),
     OnePen(1, MakeColour(255, 2, 3), MakeColour(4, 5, 6))},
    // The import looks for each of its fifteen keys through the whole of this section.
    {"ColourSectionOf16MB", Stream([](std::ostream& out) {
         out << "[COLORS]\r\n";
         for (int line = 0; line < 2 * 1024 * 1024; ++line) {
             out << "key=val\r\n";
         }
         out << "pen15=1 2 3\r\n";
     }),
     Status(PaletteReadStatus::NoNames),
     [](const PaletteEntry& palette) {
         EXPECT_EQ(palette.m_Colours[kLightBackground][15], MakeColour(1, 2, 3));
     }},
    {"RandomBytes", Bytes([] {
         std::mt19937 random(20240611);
         std::string bytes(8 * kMegabyte, '\0');
         for (char& c : bytes) {
             c = static_cast<char>(random());
         }
         return bytes;
     }),
     [](const Read& read) { EXPECT_NE(read.status, PaletteReadStatus::OpenFailed); }},
    {"NulBytesInsideLines", Bytes([] {
         return std::string("*Na\0me,De\0sc\r\nPen1, 1\0 9, 2, 3, 4, 5, 6\r\n\0*Not a header\r\n",
                            56);
     }),
     Palettes(1,
              [](int, const PaletteEntry& palette) {
                  EXPECT_EQ(palette.m_Name, CString(L"Na\0me", 5));
                  EXPECT_EQ(palette.m_Description, CString(L"De\0sc", 5));
                  EXPECT_EQ(palette.m_Colours[kLightBackground][1], MakeColour(1, 2, 3));
              })},
    {"OnlyNulBytes", Bytes([] { return std::string(kMegabyte, '\0'); }),
     Status(PaletteReadStatus::NoNames)},
    {"HundredThousandPalettes", Bytes([] { return ManyPalettes(100000, false); }),
     ManyPalettesRead(100000, false)},
    {"TenThousandPalettesOfOneName", Bytes([] { return ManyPalettes(10000, true); }),
     ManyPalettesRead(10000, true)},
    {"PenLinesOfTenThousandFields", Bytes([] {
         std::string text = "*P,D\r\n";
         for (int pen = 0; pen < 256; ++pen) {
             text += "Pen" + std::to_string(pen) + ", 1, 2, 3, 4, 5, 6";
             for (int field = 8; field <= 10000; ++field) {
                 text += ", 7";
             }
             text += "\r\n";
         }
         return text;
     }),
     Palettes(1,
              [](int, const PaletteEntry& palette) {
                  for (int pen = 0; pen < 256; ++pen) {
                      ASSERT_EQ(palette.m_Colours[kLightBackground][pen], MakeColour(1, 2, 3));
                      ASSERT_EQ(palette.m_Colours[kDarkBackground][pen], MakeColour(4, 5, 6));
                  }
              })},
    {"NumbersOfFiftyDigits", Bytes([] {
         return "*P,D\r\n"
                "Pen" +
                k50Nines + ", 1, 2, 3, 4, 5, 6\r\n" + "Pen-" + k50Nines + ", 1, 2, 3, 4, 5, 6\r\n" +
                "Pen" + std::string(49, '0') + "7, " + k50Nines + ", -" + k50Nines + ", " +
                std::string(48, '0') + "12, 4, 5, 6\r\n";
     }),
     // Out of the int range a number saturates, as _wtoi does; the low 8 bits then count.
     OnePen(7, MakeColour(255, 0, 12), MakeColour(4, 5, 6))},
    {"Utf16WithByteOrderMark", Bytes([] {
         const std::u16string text = u"\uFEFF*P,D\r\nPen1, 1, 2, 3, 4, 5, 6\r\n";
         return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
     }),
     Status(PaletteReadStatus::NoNames)},
    {"Utf16WithoutByteOrderMark", Bytes([] {
         const std::u16string text = u"*P,D\r\nPen1, 1, 2, 3, 4, 5, 6\r\n";
         return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
     }),
     // The star is the first byte, so a palette starts; no line after it is a pen line.
     Palettes(1,
              [](int, const PaletteEntry& palette) {
                  PaletteEntry defaults;
                  defaults.SetDefaultColours();
                  EXPECT_EQ(palette.m_Colours, defaults.m_Colours);
              })},
    {"Folder",
     [](const TempFolder& folder) {
         fs::create_directory(folder.Path("folder.pal"));
         return folder.Path("folder.pal");
     },
     Status(PaletteReadStatus::OpenFailed)},
    // Reading either of these like a file would never end.
    {"NamedPipe",
     [](const TempFolder& folder) {
         ::mkfifo(folder.Path("pipe.pal").c_str(), 0600);
         return folder.Path("pipe.pal");
     },
     Status(PaletteReadStatus::OpenFailed)},
    {"EndlessDevice", [](const TempFolder&) { return fs::path("/dev/zero"); },
     Status(PaletteReadStatus::OpenFailed)},
};

class HostileFiles : public testing::TestWithParam<HostileFile> {
protected:
    void SetUp() override {
        m_path = GetParam().make(m_folder);
        std::error_code error;
        m_size = fs::is_regular_file(m_path, error) ? fs::file_size(m_path) : 0;
    }

    std::size_t Allowed(std::size_t palettes) const {
        return kBytesPerFileByte * m_size + kBytesPerPalette * palettes + kSlack;
    }

    TempFolder m_folder;
    fs::path m_path;
    std::size_t m_size = 0;
};

// The heap the call needed at its worst, beyond what was held before it.
std::size_t PeakOf(const std::function<void()>& call) {
    const std::size_t before = heap_meter::Live();
    heap_meter::ResetPeak();
    call();
    return heap_meter::Peak() - before;
}

} // namespace

TEST_P(HostileFiles, PaletteReaderGivesAClearResult) {
    Read read{PaletteReadStatus::OpenFailed, nullptr};
    const std::size_t peak = PeakOf([&] {
        const PaletteReadResult result = ReadPaletteFile(FromUtf8(m_path.string()));
        read = {result.status, ListPtr(result.list)};
    });
    ASSERT_EQ(read.status == PaletteReadStatus::Ok, read.list != nullptr);
    GetParam().expect(read);
    const std::size_t palettes = read.list ? read.list->Count() : 0;
    EXPECT_LE(peak, Allowed(palettes)) << m_size << " bytes, " << palettes << " palettes";
    RecordProperty("file_bytes", std::to_string(m_size));
    RecordProperty("peak_heap_bytes", std::to_string(peak));
}

TEST_P(HostileFiles, LegacyImportGivesAPalette) {
    std::unique_ptr<PaletteEntry> palette;
    const std::size_t peak =
        PeakOf([&] { palette.reset(NewLegacyPalette(FromUtf8(m_path.string()))); });
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->m_Name, L"Veldra 3");
    for (int pen : {0, 16, 255}) {
        EXPECT_EQ(palette->m_Colours[kLightBackground][pen], DefaultLightColours[pen]);
    }
    if (GetParam().expectImport) {
        GetParam().expectImport(*palette);
    }
    EXPECT_LE(peak, Allowed(1)) << m_size << " bytes";
    RecordProperty("file_bytes", std::to_string(m_size));
    RecordProperty("peak_heap_bytes", std::to_string(peak));
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFiles, testing::ValuesIn(kHostileFiles),
                         [](const testing::TestParamInfo<HostileFile>& file) {
                             return std::string(file.param.name);
                         });
