// Importing the older product's INI colour table as a new palette.
#include <gtest/gtest.h>

#include <memory>

#include "files/legacy_colour_table.h"
#include "model/default_colours.h"
#include "temp_folder.h"

TEST(LegacyColourTable, ReadsPensOneToFifteen) {
    const std::unique_ptr<PaletteEntry> palette(
        NewLegacyPalette(FromUtf8(TINTORA_TEST_DATA_DIR "/veldra3_colours.ini")));
    EXPECT_EQ(palette->m_Name, L"Veldra 3");
    EXPECT_EQ(palette->m_Description, L"Imported Veldra 3 palette");
    const COLORREF expected[16] = {
        DefaultLightColours[0],    // pen0 in the file is not read
        MakeColour(255, 0, 0),     // pen1
        MakeColour(0, 255, 0),     // pen2: names and blanks as Windows reads them
        MakeColour(0, 0, 255),     // pen3: quoted
        MakeColour(0, 255, 44),    // pen4: 256 -1 300, low 8 bits
        MakeColour(12, 34, 0),     // pen5: a missing component is 0
        MakeColour(0, 0, 0),       // pen6: not numbers
        MakeColour(0, 0, 0),       // pen7: only in a repeated section, which does not count
        MakeColour(10, 20, 0),     // pen8: runs of blanks; a tab separates nothing
        MakeColour(128, 128, 128), // pen9: a ';' inside the value is no comment
        MakeColour(1, 2, 3),       // pen10: the first of two keys
        MakeColour(17, 34, 51),    MakeColour(255, 255, 255), MakeColour(0, 128, 128),
        MakeColour(64, 64, 64),    MakeColour(200, 100, 50),
    };
    for (int pen = 1; pen <= 15; ++pen) {
        EXPECT_EQ(palette->m_Colours[kLightBackground][pen], expected[pen]) << pen;
        EXPECT_EQ(palette->m_Colours[kDarkBackground][pen], expected[pen]) << pen;
    }
    for (int pen : {0, 16, 100, 255}) {
        EXPECT_EQ(palette->m_Colours[kLightBackground][pen], DefaultLightColours[pen]) << pen;
        EXPECT_EQ(palette->m_Colours[kDarkBackground][pen], DefaultDarkColours[pen]) << pen;
    }
}

TEST(LegacyColourTable, UnreadableFileGivesBlackPens) {
    TempFolder folder;
    const std::unique_ptr<PaletteEntry> palette(NewLegacyPalette(folder.File("missing.ini")));
    for (int pen = 0; pen < kPenCount; ++pen) {
        const bool imported = pen >= 1 && pen <= 15;
        EXPECT_EQ(palette->m_Colours[kLightBackground][pen],
                  imported ? 0u : DefaultLightColours[pen]);
        EXPECT_EQ(palette->m_Colours[kDarkBackground][pen],
                  imported ? 0u : DefaultDarkColours[pen]);
    }
}
