// The formats beside .pal: round trips through each writer and its reader, the place every
// reader names for bad input, and the older product's INI colour table imported as a new
// palette (the pens it must read are in data/cases/legacy_colours.txt; files without the
// table are the hostile files' test).

#include "files/formats/foreign_palettes.h"
#include "files/formats/json_format.h"
#include "files/legacy_colour_table.h"
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
    palette.m_Name = L"Gr\u00fcn \"quoted\"\t\\\b\f\x01";
    palette.m_Description = L"\u20ac 5, \u0081";
    for (int pen = 0; pen < kPenCount; ++pen) {
        palette.m_Colours[kLightBackground][pen] = MakeColour(pen, 255 - pen, pen * 3);
        palette.m_Colours[kDarkBackground][pen] = MakeColour(pen * 5, pen, 7);
    }
}

} // namespace

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
            // JSON keeps both variants, every pen and the texts; the others one variant, pens
            // 1-255 into both, and pen 0 keeps its default colours.
            const bool json = format == PaletteFormat::Json;
            auto colours = palette.m_Colours;
            for (int pen = 0; pen < kPenCount && !json; ++pen) {
                colours[0][pen] =
                    pen == 0 ? DefaultLightColours[0] : palette.m_Colours[variant][pen];
                colours[1][pen] =
                    pen == 0 ? DefaultDarkColours[0] : palette.m_Colours[variant][pen];
            }
            EXPECT_EQ(back.m_Colours, colours);
            EXPECT_EQ(back.m_Name, format == PaletteFormat::Hex ? L"file name" : palette.m_Name);
            if (json) {
                EXPECT_EQ(back.m_Description, palette.m_Description);
            }
        }
    }
}

// Formats without escapes get line breaks and C1 controls spelled out: raw, a line break
// would end the line and a C1 control acts on the terminal that shows the file.
TEST(Formats, ControlCharactersSpelledOutInGimpAndCss) {
    PaletteEntry palette;
    palette.m_Name = L"a\u009Db\rc";
    palette.m_Description = L"\u0085";
    EXPECT_NE(Written(PaletteFormat::Gpl, palette, 0)
                  .find("Name: a\\x9Db\\x0Dc\n"
                        "Columns: 16\n# \\x85\n"),
              std::string::npos);
    EXPECT_NE(Written(PaletteFormat::Css, palette, 0).find("/* a\\x9Db\\x0Dc: \\x85 */"),
              std::string::npos);
}

// Short inputs from data/cases/format_reading.txt: what each reader takes, what it refuses
// and where, and what it warns of.
class FormatReading : public testing::TestWithParam<CaseRow> {};

TEST_P(FormatReading, Row) {
    const CaseRow& row = GetParam();
    const std::string input = row[1].starts_with('@')
                                  ? ReadBytes(TINTORA_TEST_DATA_DIR "/formats/" + row[1].substr(1))
                                  : row[1];
    const std::string error = row.size() > 2 ? row[2] : "";
    const std::string warning = row.size() > 3 ? row[3] : "";
    const FormatReadResult result = ReadForeignPalettes(*FormatFromName(row[0]), input, L"file");
    if (!error.empty()) {
        EXPECT_EQ(result.error.substr(0, error.size()), error) << result.error;
        EXPECT_TRUE(result.palettes.empty());
        return;
    }
    ASSERT_TRUE(result.Ok()) << result.error;
    ASSERT_EQ(result.palettes.size(), 1u);
    if (row.size() > 4) {
        EXPECT_EQ(result.palettes[0]->m_Colours[kDarkBackground][1], row.Colour(4));
    }
    ASSERT_EQ(result.warnings.size(), warning.empty() ? 0u : 1u);
    if (!warning.empty()) {
        EXPECT_EQ(result.warnings[0].substr(0, warning.size()), warning);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatReading,
                         testing::ValuesIn(ReadCaseTable("format_reading.txt")), CaseName);

TEST(LegacyColourTable, ReadsPensOneToFifteen) {
    const std::unique_ptr<PaletteEntry> palette(
        NewLegacyPalette(FromUtf8(TINTORA_TEST_DATA_DIR "/veldra3_colours.ini")));
    EXPECT_EQ(palette->m_Name, L"Veldra 3");
    EXPECT_EQ(palette->m_Description, L"Imported Veldra 3 palette");
    for (const CaseRow& row : ReadCaseTable("legacy_colours.txt")) {
        EXPECT_EQ(palette->m_Colours[kLightBackground][row.Int(0)], row.Colour(1)) << row.where;
        EXPECT_EQ(palette->m_Colours[kDarkBackground][row.Int(0)], row.Colour(1)) << row.where;
    }
    for (int pen : {0, 16, 100, 255}) {
        EXPECT_EQ(palette->m_Colours[kLightBackground][pen], DefaultLightColours[pen]) << pen;
        EXPECT_EQ(palette->m_Colours[kDarkBackground][pen], DefaultDarkColours[pen]) << pen;
    }
}
