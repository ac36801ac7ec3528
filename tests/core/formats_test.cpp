// The formats beside .pal: round trips through each writer and its reader, the place every
// reader names for bad input, names made fit for a palette file, and the older product's INI colour
// table imported as a new palette (the pens it must read are in data/cases/legacy_colours.txt;
// files without the table are the hostile files' test).

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

// Each format carries pens from the first it holds, in both variants or in the one written;
// pens it does not carry keep their defaults, and only JSON keeps the texts.
TEST(Formats, WrittenPalettesReadBackInEveryFormat) {
    struct Carried {
        PaletteFormat format;
        int firstPen;
        bool bothVariants;
    };
    const Carried formats[] = {
        {PaletteFormat::Json, 0, true},  {PaletteFormat::Css, 0, true},
        {PaletteFormat::Ase, 1, true},   {PaletteFormat::Gpl, 1, false},
        {PaletteFormat::Hex, 1, false},  {PaletteFormat::Aco, 1, false},
        {PaletteFormat::Jasc, 0, false}, {PaletteFormat::Riff, 0, false},
    };
    PaletteEntry palette;
    FillSample(palette);
    for (const int variant : {kLightBackground, kDarkBackground}) {
        for (const auto& [format, firstPen, bothVariants] : formats) {
            SCOPED_TRACE(static_cast<int>(format) * 10 + variant);
            const FormatReadResult read =
                ReadForeignPalettes(format, Written(format, palette, variant), L"file name");
            ASSERT_TRUE(read.Ok()) << read.error;
            ASSERT_EQ(read.palettes.size(), 1u);
            const PaletteEntry& back = *read.palettes[0];
            auto colours = palette.m_Colours;
            for (int v = 0; v < 2; ++v) {
                for (int pen = 0; pen < kPenCount; ++pen) {
                    colours[v][pen] = pen < firstPen ? (v == 0 ? DefaultLightColours[pen]
                                                               : DefaultDarkColours[pen])
                                      : bothVariants ? palette.m_Colours[v][pen]
                                                     : palette.m_Colours[variant][pen];
                }
            }
            EXPECT_EQ(back.m_Colours, colours);
            const bool named = format == PaletteFormat::Json || format == PaletteFormat::Gpl;
            EXPECT_EQ(back.m_Name, named ? palette.m_Name : L"file name");
            if (format == PaletteFormat::Json) {
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

// A GIMP palette needs a name, and CSS may be pasted into an HTML <style> element.
TEST(Formats, WrittenTextsFitWhereTheyGo) {
    PaletteEntry palette;
    palette.SetDefaultColours();
    palette.m_Description = L"a</style>b";
    std::string gpl;
    ASSERT_TRUE(WriteForeignPalette(
        PaletteFormat::Gpl, palette, kLightBackground,
        [&gpl](std::string_view bytes) { return gpl += bytes, true; }, L"Sky"));
    EXPECT_TRUE(gpl.starts_with("GIMP Palette\nName: Sky\n"));
    EXPECT_TRUE(Written(PaletteFormat::Css, palette, 0).starts_with("/* : a< /style>b */\n"));
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
    const auto& dark = result.palettes[0]->m_Colours[kDarkBackground];
    if (row.size() > 4) {
        std::istringstream colours(row[4]);
        int pen = 1;
        for (std::string colour; std::getline(colours, colour, ','); ++pen) {
            const CaseRow field{"", {colour}};
            EXPECT_EQ(dark[pen], field.Colour(0)) << "pen " << pen;
        }
    }
    if (row.size() > 5) {
        EXPECT_EQ(dark[0], row.Colour(5));
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
