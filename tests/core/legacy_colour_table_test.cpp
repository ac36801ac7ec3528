// Importing the older product's INI colour table as a new palette; the pens it must read
// are in data/cases/legacy_colours.txt. Files without the table are the hostile files' test.

#include <memory>

#include "files/legacy_colour_table.h"
#include "temp_folder.h"

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
