// The formats beside .pal: GIMP palettes other people wrote, round trips through each
// writer and its reader, and the place every reader names for bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/formats/foreign_palettes.h"
#include "files/formats/json_format.h"
#include "files/palette_file.h"
#include "model/default_colours.h"
#include "temp_folder.h"

namespace {

std::string Written(PaletteFormat format, const PaletteEntry& palette, int variant) {
    std::string text;
    EXPECT_TRUE(WriteForeignPalette(format, palette, variant, [&text](std::string_view bytes) {
        text += bytes;
        return true;
    }));
    return text;
}

void FillSample(PaletteEntry& palette) {
    palette.m_Name = L"Gr\u00fcn \"quoted\"\t\\";
    palette.m_Description = L"\u20ac 5, \u0081";
    for (int pen = 0; pen < kPenCount; ++pen) {
        palette.m_Colours[kLightBackground][pen] = MakeColour(pen, 255 - pen, pen * 3);
        palette.m_Colours[kDarkBackground][pen] = MakeColour(pen * 5, pen, 7);
    }
}

} // namespace

// Every GIMP palette the system has, written by other people, goes to a .pal file and back
// to GIMP with its name and the colours of its first 255 rows.
TEST(Formats, SystemGimpPalettesSurviveAPaletteFile) {
    const std::filesystem::path folder = "/usr/share/gimp/2.0/palettes";
    if (!std::filesystem::is_directory(folder)) {
        GTEST_SKIP() << "gimp-data is not installed";
    }
    TempFolder scratch;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().string());
        const std::string bytes = ReadBytes(entry.path().string());
        const FormatReadResult original =
            ReadForeignPalettes(PaletteFormat::Gpl, bytes, L"fallback");
        ASSERT_TRUE(original.Ok()) << original.error;
        ASSERT_EQ(original.palettes.size(), 1u);
        UI_LIST list(nullptr);
        list.Add(new PaletteEntry);
        PaletteEntry& copy = *PaletteAt(list, 0);
        copy.m_Name = original.palettes[0]->m_Name;
        copy.m_Description = original.palettes[0]->m_Description;
        copy.m_Colours = original.palettes[0]->m_Colours;
        ASSERT_TRUE(WritePaletteFile(scratch.File("x.pal"), list));
        const ListPtr read(ReadPaletteFile(scratch.File("x.pal")).list);
        ASSERT_TRUE(read && read->Count() == 1);
        const FormatReadResult back = ReadForeignPalettes(
            PaletteFormat::Gpl, Written(PaletteFormat::Gpl, *PaletteAt(*read, 0), 0), L"");
        ASSERT_TRUE(back.Ok()) << back.error;
        EXPECT_EQ(back.palettes[0]->m_Name, original.palettes[0]->m_Name);
        EXPECT_NE(back.palettes[0]->m_Name, L"fallback");
        EXPECT_EQ(back.palettes[0]->m_Colours, original.palettes[0]->m_Colours);
        ++files;
    }
    EXPECT_GE(files, 3);
}

TEST(Formats, WrittenPalettesReadBackInEveryReadableFormat) {
    PaletteEntry palette;
    FillSample(palette);
    for (const int variant : {kLightBackground, kDarkBackground}) {
        for (const PaletteFormat format :
             {PaletteFormat::Json, PaletteFormat::Gpl, PaletteFormat::Hex}) {
            SCOPED_TRACE(static_cast<int>(format) * 10 + variant);
            const FormatReadResult read =
                ReadForeignPalettes(format, Written(format, palette, variant), L"file name");
            ASSERT_TRUE(read.Ok()) << read.error;
            ASSERT_EQ(read.palettes.size(), 1u);
            const PaletteEntry& back = *read.palettes[0];
            if (format == PaletteFormat::Json) { // both variants, every pen, the texts
                EXPECT_EQ(back.m_Name, palette.m_Name);
                EXPECT_EQ(back.m_Description, palette.m_Description);
                EXPECT_EQ(back.m_Colours, palette.m_Colours);
                continue;
            }
            // One variant, pens 1-255 into both; pen 0 keeps its default colours.
            EXPECT_EQ(back.m_Name, format == PaletteFormat::Gpl ? palette.m_Name : L"file name");
            EXPECT_EQ(back.m_Colours[kLightBackground][0], DefaultLightColours[0]);
            EXPECT_EQ(back.m_Colours[kDarkBackground][0], DefaultDarkColours[0]);
            for (int pen = 1; pen < kPenCount; ++pen) {
                EXPECT_EQ(back.m_Colours[kLightBackground][pen], palette.m_Colours[variant][pen]);
                EXPECT_EQ(back.m_Colours[kDarkBackground][pen], palette.m_Colours[variant][pen]);
            }
        }
    }
}

TEST(Formats, CssHoldsBothVariantsAsCustomProperties) {
    PaletteEntry palette;
    FillSample(palette);
    const std::string css = Written(PaletteFormat::Css, palette, kLightBackground);
    const std::size_t media = css.find("@media (prefers-color-scheme: dark) {\n  :root {\n");
    ASSERT_NE(media, std::string::npos);
    EXPECT_NE(css.find(":root {\n  --pen-0: #00ff00;\n  --pen-1: #01fe03;\n"), std::string::npos);
    EXPECT_LT(css.find("  --pen-255: #ff00fd;\n}\n"), media);
    EXPECT_NE(css.find("    --pen-255: #fbff07;\n  }\n}\n", media), std::string::npos);
}

// Short inputs: what each reader takes, what it refuses and where, and what it warns of.
TEST(Formats, ReadersNameThePlaceOfWhatTheyRefuseOrLeaveOut) {
    std::string manyRows = "GIMP Palette\n";
    std::string manyHex;
    for (int row = 0; row < 258; ++row) {
        manyRows += "1 2 3\n";
        manyHex += "#0A0b0C\n";
    }
    const struct {
        PaletteFormat format;
        std::string input;
        std::string error;   // empty: read
        std::string warning; // the one warning expected, if any
        COLORREF pen1 = 0;   // when read: pen 1's colour
    } cases[] = {
        {PaletteFormat::Gpl, "GIMP Palette\r\nName:  Sky \r\n# a\n\n 10\t20  30\tblue 1\n", "", "",
         MakeColour(10, 20, 30)},
        {PaletteFormat::Gpl, "\xEF\xBB\xBFGIMP Palette\nColumns: 4\n1 2 3 4\n", "", "",
         MakeColour(1, 2, 3)},
        {PaletteFormat::Gpl, manyRows, "", "line 257: 3 colours after the 255th are ignored", 0},
        {PaletteFormat::Gpl, "", "line 1: not a GIMP palette (the file is empty)", "", 0},
        {PaletteFormat::Gpl, "JASC-PAL\n", "line 1: not a GIMP palette", "", 0},
        {PaletteFormat::Gpl, "GIMP Palette\n1 2\n", "line 2: not a colour row", "", 0},
        {PaletteFormat::Gpl, "GIMP Palette\n1 2 256\n", "line 2: not a colour row", "", 0},
        {PaletteFormat::Gpl, "GIMP Palette\nName: \xe4\xb8\xad\n", "Name: the character U+4E2D", "",
         0},
        {PaletteFormat::Hex, "\n#FF8000\n\n", "", "", MakeColour(255, 128, 0)},
        {PaletteFormat::Hex, manyHex, "", "line 256: 3 colours after the 255th are ignored", 0},
        {PaletteFormat::Hex, "ff8000\nff80\n", "line 2: not a rrggbb colour", "", 0},
        {PaletteFormat::Hex, "\n", "line 1: no colours", "", 0},
        {PaletteFormat::Json,
         R"({"x":[1,{"y":null}],"palettes":[{"name":"A","dark":["#000000","#010203"]}]})", "", "",
         MakeColour(1, 2, 3)},
        {PaletteFormat::Json, R"({"palettes":[{"name":"A"},{"name":"B","light":["#0"]}]})",
         "palettes[1].light[0]: not a #rrggbb colour", "", 0},
        {PaletteFormat::Json, R"({"palettes":[{"description":"d"}]})",
         "palettes[0]: the palette has no \"name\"", "", 0},
        {PaletteFormat::Json, R"({"palettes":[{"name":"a\nb"}]})",
         "palettes[0].name: a line break cannot be stored", "", 0},
        {PaletteFormat::Json, R"({"palettes":[{"name":"\u4e2d"}]})",
         "palettes[0].name: the character U+4E2D", "", 0},
        {PaletteFormat::Json, R"({"palettes":[{"name":7}]})", "palettes[0].name: not a string", "",
         0},
        {PaletteFormat::Json, "{\"palettes\":[]}\n{", "line 2, column 1: text after the end", "",
         0},
        {PaletteFormat::Json, "{\n  \"palettes\": [\n    {\"name\": \"A\",]",
         "line 3, column 18: expected a string", "", 0},
        {PaletteFormat::Json, R"({"other":true})", "palettes: missing", "", 0},
        {PaletteFormat::Json, R"({"other":a,"palettes":[]})", "line 1, column 10: expected a value",
         "", 0},
        {PaletteFormat::Json, std::string(600, '[') + std::string(600, ']'),
         "line 1, column 1: expected a JSON object", "", 0},
        {PaletteFormat::Json, "{\"x\":" + std::string(600, '['),
         "line 1, column 518: nested too deeply", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 60));
        const FormatReadResult result = ReadForeignPalettes(c.format, c.input, L"file");
        if (!c.error.empty()) {
            EXPECT_EQ(result.error.substr(0, c.error.size()), c.error) << result.error;
            EXPECT_TRUE(result.palettes.empty());
            continue;
        }
        ASSERT_TRUE(result.Ok()) << result.error;
        ASSERT_EQ(result.palettes.size(), 1u);
        if (c.pen1 != 0) {
            EXPECT_EQ(result.palettes[0]->m_Colours[kDarkBackground][1], c.pen1);
        }
        ASSERT_EQ(result.warnings.size(), c.warning.empty() ? 0u : 1u);
        if (!c.warning.empty()) {
            EXPECT_EQ(result.warnings[0].substr(0, c.warning.size()), c.warning);
        }
    }
}
