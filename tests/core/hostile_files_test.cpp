// Files that are no proper palette file, as a user may pick them in the Open and Import
// dialogs: a huge line, random and NUL bytes, enormous palette lists and lines, folders and
// devices. Both readers must give a clear result for each, and the memory they need at their
// worst must stay a small multiple of the file's size (plus the palettes they yield, which
// have a fixed size each). Short odd lines (absurd numbers, NUL bytes, UTF-16) are rows of
// pen_lines.txt and def_items.txt.

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>

#include "files/formats/foreign_palettes.h"
#include "files/formats/json_format.h"
#include "files/legacy_colour_table.h"
#include "files/palette_check.h"
#include "heap_meter.h"
#include "shared/file_io.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMegabyte = std::size_t{1} << 20;

using PaletteCheck = std::function<void(int index, const PaletteEntry& palette)>;

struct HostileFile {
    const char* name;
    std::function<fs::path(const TempFolder& folder)> make;
    // What the palette reader must say; none: anything but that it cannot open the file.
    std::optional<PaletteReadStatus> status;
    unsigned int palettes = 0;    // how many it reads, when it reads any
    PaletteCheck check = nullptr; // each of them, index counting from 0 in file order
};

// A file of the bytes content gives, made only when its test runs.
std::function<fs::path(const TempFolder&)> File(std::function<std::string()> content) {
    return [content](const TempFolder& folder) {
        WriteBytes(folder.Path("hostile"), content());
        return folder.Path("hostile");
    };
}

std::string ManyPalettes(int count, bool sameName) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        text += (sameName ? "*Same0" : "*P" + n) + ",Palette " + n + "\r\nPen" +
                std::to_string(i % 256) + ", " + std::to_string(i % 256) + ", 0, 0, 0, 0, " +
                std::to_string(i / 256 % 256) + "\r\n";
    }
    return text;
}

PaletteCheck ManyPalettesRead(bool sameName) {
    return [=](int i, const PaletteEntry& palette) {
        ASSERT_EQ(palette.m_Name, sameName ? L"Same0" : L"P" + std::to_wstring(i));
        // With one name for all, the k-th request for it must give the k-th palette.
        ASSERT_EQ(palette.m_Description, L"Palette " + std::to_wstring(i));
        ASSERT_EQ(palette.m_Colours[kLightBackground][i % 256], MakeColour(i % 256, 0, 0));
        ASSERT_EQ(palette.m_Colours[kDarkBackground][i % 256], MakeColour(0, 0, i / 256 % 256));
    };
}

// Every pen has (1, 2, 3) and (4, 5, 6).
void EveryPenSet(int, const PaletteEntry& palette) {
    for (int pen = 0; pen < kPenCount; ++pen) {
        EXPECT_EQ(palette.m_Colours[kLightBackground][pen], MakeColour(1, 2, 3)) << pen;
        EXPECT_EQ(palette.m_Colours[kDarkBackground][pen], MakeColour(4, 5, 6)) << pen;
    }
}

std::string Repeated(const std::string& text, int times) {
    std::string all;
    while (times-- > 0) {
        all += text;
    }
    return all;
}

#ifndef _WIN32
// A zero device of our own where one can be made (as root), otherwise (and always for a
// pipe) a named pipe.
std::function<fs::path(const TempFolder&)> Special(bool device) {
    return [device](const TempFolder& folder) {
        const fs::path path = folder.Path("special.pal");
        if (!device || ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 5)) != 0) {
            ::mkfifo(path.c_str(), 0600);
        }
        return path;
    };
}
#endif

std::string PenLinesOfTenThousandFields() {
    std::string text = "*P,D\r\n";
    for (int pen = 0; pen < kPenCount; ++pen) {
        text += "Pen" + std::to_string(pen) + ", 1, 2, 3, 4, 5, 6" + Repeated(", 7", 9993) + "\r\n";
    }
    return text;
}

const HostileFile kHostileFiles[] = {
    // Longer than any line is read: refused at the limit, not held whole.
    {"OneLineOf100MB", File([] { return std::string(100 * kMegabyte, 'x'); }),
     PaletteReadStatus::OpenFailed},
    // The long line as a palette's name and description: every copy of them that reading
    // makes shows in the peak.
    {"PaletteHeaderOf32MB", File([] {
         return "*" + std::string(16 * kMegabyte, 'n') + "," + std::string(16 * kMegabyte, 'd');
     }),
     PaletteReadStatus::Ok, 1,
     [](int, const PaletteEntry& palette) {
         EXPECT_EQ(palette.m_Name.size(), 16 * kMegabyte);
         EXPECT_EQ(palette.m_Description.size(), 16 * kMegabyte);
     }},
    {"RandomBytes", File([] {
         std::mt19937 random(20240611);
         std::string bytes(8 * kMegabyte, '\0');
         std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(random()); });
         return bytes;
     }),
     std::nullopt},
    {"OnlyNulBytes", File([] { return std::string(kMegabyte, '\0'); }), PaletteReadStatus::NoNames},
    {"HundredThousandPalettes", File([] { return ManyPalettes(100000, false); }),
     PaletteReadStatus::Ok, 100000, ManyPalettesRead(false)},
    // Three bytes a palette on disk, kilobytes each in memory: refused rather than read.
    {"HundredThousandAndOnePalettes", File([] { return ManyPalettes(100001, false); }),
     PaletteReadStatus::TooMany},
    {"MillionEmptyPalettes", File([] { return Repeated("*\n", 1000000); }),
     PaletteReadStatus::TooMany},
    {"TenThousandPalettesOfOneName", File([] { return ManyPalettes(10000, true); }),
     PaletteReadStatus::Ok, 10000, ManyPalettesRead(true)},
    {"NamesOf66MB", File([] { return Repeated("*" + std::string(33 * kMegabyte, 'n') + "\n", 2); }),
     PaletteReadStatus::OpenFailed},
    {"PenLinesOfTenThousandFields", File(PenLinesOfTenThousandFields), PaletteReadStatus::Ok, 1,
     EveryPenSet},
    {"Folder",
     [](const TempFolder& folder) {
         fs::create_directory(folder.Path("folder.pal"));
         return folder.Path("folder.pal");
     },
     PaletteReadStatus::OpenFailed},
#ifdef _WIN32
    // A device's reserved name stands in every folder; reading the console would wait for ever.
    {"ConsoleDevice", [](const TempFolder& folder) { return folder.Path("CON"); },
     PaletteReadStatus::OpenFailed},
#else
    // Reading either of these like a file would never end.
    {"NamedPipe", Special(false), PaletteReadStatus::OpenFailed},
    {"EndlessDevice", Special(true), PaletteReadStatus::OpenFailed},
#endif
};

class Hostile : public testing::TestWithParam<HostileFile> {
protected:
    void SetUp() override {
        m_path = GetParam().make(m_folder);
        std::error_code error;
        m_size = fs::is_regular_file(m_path, error) ? fs::file_size(m_path) : 0;
    }

    // Runs call and checks the heap it needed at its worst, beyond what was held before: a
    // few copies of the text as wide characters (four bytes each), a fixed amount per
    // palette (its 512 colours and names), and some slack.
    void ExpectBoundedPeak(const std::function<std::size_t()>& call) {
        const std::size_t before = g_heapPeak = g_heapLive.load();
        const std::size_t palettes = call();
        const std::size_t peak = g_heapPeak - before;
        EXPECT_LE(peak, 6 * m_size + 4096 * palettes + 4 * kMegabyte)
            << m_size << " bytes, " << palettes << " palettes";
        RecordProperty("file_bytes", std::to_string(m_size));
        RecordProperty("peak_heap_bytes", std::to_string(peak));
    }

    TempFolder m_folder;
    fs::path m_path;
    std::size_t m_size = 0;
};

} // namespace

TEST_P(Hostile, Readers) {
    // The legacy import: pens 1 to 15 come from the table, black when it holds none; the rest
    // are the defaults.
    std::unique_ptr<PaletteEntry> palette;
    ExpectBoundedPeak([&] {
        palette.reset(NewLegacyPalette(FromUtf8(m_path.string())));
        return 1u;
    });
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->m_Name, L"Veldra 3");
    for (int pen : {0, 1, 15, 16, 255}) {
        EXPECT_EQ(palette->m_Colours[kDarkBackground][pen],
                  pen >= 1 && pen <= 15 ? 0u : DefaultDarkColours[pen]);
    }
    palette.reset();

    PaletteReadResult read;
    ExpectBoundedPeak([&] {
        read = ReadPaletteFile(FromUtf8(m_path.string()));
        return read.list ? read.list->Count() : 0u;
    });
    const ListPtr list(read.list);
    const HostileFile& file = GetParam();
    ASSERT_EQ(read.status == PaletteReadStatus::Ok, list != nullptr);
    if (!file.status) {
        EXPECT_NE(read.status, PaletteReadStatus::OpenFailed);
        return;
    }
    ASSERT_EQ(read.status, *file.status);
    ASSERT_EQ(list ? list->Count() : 0u, file.palettes);
    int index = 0;
    for (const UI_ELEMENT* e = list ? list->First() : nullptr; e != nullptr; e = e->Next()) {
        file.check(index++, dynamic_cast<const PaletteEntry&>(*e));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, Hostile, testing::ValuesIn(kHostileFiles),
                         [](const testing::TestParamInfo<HostileFile>& file) {
                             return std::string(file.param.name);
                         });

// The other formats are read a piece at a time: a line, a string or a list beyond what any
// palette needs is refused where it passes the limit, and what is skipped is never held.
TEST(ForeignReaders, RefuseHugeInputAtTheLimit) {
    const std::string huge(65 * kMegabyte, '0');
    std::string manyPalettes = "{\"palettes\":[";
    for (int i = 0; i <= 100000; ++i) {
        manyPalettes += "{\"name\":\"P\"},";
    }
    manyPalettes.back() = ']';
    // The most a reader may hold: a line at the limit, grown by doubling; the palettes.
    const std::size_t line = 3 * 64 * kMegabyte + kMegabyte;
    const std::size_t palettes = 4096 * 100000;
    const struct {
        PaletteFormat format;
        std::string input;
        std::string error;
        std::size_t heap;
    } inputs[] = {
        {PaletteFormat::Hex, "102030\n" + huge, "line 2: longer than 64 MiB", line},
        {PaletteFormat::Gpl, "GIMP Palette\r" + huge, "line 2: longer than 64 MiB", line},
        {PaletteFormat::Json, "{\"palettes\":[{\"name\":\"" + huge, "a string longer than 64 MiB",
         line},
        {PaletteFormat::Json, "{\"x\":1" + huge + ",\"palettes\":[{\"name\":\"A\"}]}", "",
         kMegabyte},
        {PaletteFormat::Json, manyPalettes + "}", "palettes[100000]: more than 100,000 palettes",
         palettes},
        {PaletteFormat::Json,
         "{\"palettes\":[{\"name\":\"" + huge.substr(0, 33 * kMegabyte) + "\"},{\"name\":\"" +
             huge.substr(0, 33 * kMegabyte) + "\"}]}",
         "palettes[1].name: the palette names and descriptions take more than 64 MiB", palettes},
        {PaletteFormat::Jasc, "JASC-PAL\r\n0100\r\n" + huge, "line 3: longer than 64 MiB", line},
        {PaletteFormat::Css, ":root {" + Repeated(huge.substr(0, kMegabyte) + "\n", 65),
         "line 1: a selector or declaration longer than 64 MiB", line},
        {PaletteFormat::Css, ":root { x: \"" + Repeated(huge.substr(0, kMegabyte) + "\\\n", 65),
         "line 1: a selector or declaration longer than 64 MiB", line},
        {PaletteFormat::Css, Repeated("{\n", 16 << 20), "a block is not closed", kMegabyte},
        {PaletteFormat::Ase, "ASEF" + huge, "byte 16777216: the file is longer than 16 MiB",
         33 * kMegabyte},
    };
    for (const auto& [format, input, error, heap] : inputs) {
        std::size_t at = 0;
        const ByteSource pieces = [&input, &at] {
            const std::string_view piece = std::string_view(input).substr(at, 1 << 16);
            at += piece.size();
            return piece;
        };
        const std::size_t before = g_heapPeak = g_heapLive.load();
        const FormatReadResult read = ReadForeignPalettes(format, pieces, L"x");
        EXPECT_LE(g_heapPeak - before, heap) << input.size();
        EXPECT_NE(read.error.find(error), std::string::npos) << read.error;
        EXPECT_EQ(read.palettes.size(), error.empty() ? 1u : 0u);
    }
}

// check and dump write as they go: their memory must not grow with what they print.
TEST(StreamedOutput, NeedsNoMemoryForWhatItHasPrinted) {
    TempFolder folder;
    WriteBytes(folder.Path("bad.pal"), "*Name,Description\n" + Repeated("Pen300\n", 200000));
    std::FILE* file = OpenForReading(folder.File("bad.pal"));
    ASSERT_NE(file, nullptr);
    std::size_t before = g_heapPeak = g_heapLive.load();
    EXPECT_EQ(CheckPaletteStream(file, [](const PaletteFinding&) {}), 200001u);
    EXPECT_LE(g_heapPeak - before, kMegabyte);
    std::fclose(file);
    // A line longer than the reader reads, or names longer in all than it holds, end the
    // check with that one error.
    const std::string name(33 * kMegabyte, 'n');
    for (const auto& [text, finding] : {
             std::pair<std::string, PaletteFinding>{
                 "*Name\n" + std::string(65 * kMegabyte, ' '),
                 {2, FindingKind::Error,
                  L"line 2: longer than 64 MiB; the editor cannot open this file"}},
             {"*" + name + "\n*" + name + "\n",
              {2, FindingKind::Error,
               L"the palette names and descriptions take more than 64 MiB together by this "
               L"line; the editor cannot open this file"}},
         }) {
        WriteBytes(folder.Path("long.pal"), text);
        file = OpenForReading(folder.File("long.pal"));
        std::vector<PaletteFinding> findings;
        CheckPaletteStream(file, [&](const PaletteFinding& found) { findings.push_back(found); });
        std::fclose(file);
        EXPECT_EQ(findings, std::vector<PaletteFinding>{finding});
    }

    UI_LIST list(nullptr);
    for (int palette = 0; palette < 2000; ++palette) { // 10 MB of JSON
        list.Add(new PaletteEntry);
    }
    std::size_t bytes = 0;
    before = g_heapPeak = g_heapLive.load();
    EXPECT_TRUE(WriteJsonPalettes(list, [&bytes](std::string_view text) {
        bytes += text.size();
        return true;
    }));
    EXPECT_GT(bytes, 8 * kMegabyte);
    EXPECT_LE(g_heapPeak - before, kMegabyte);
}
