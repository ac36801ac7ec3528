// The colour maths against published reference data.
#include <sstream>

#include "case_table.h"
#include "colour/cielab.h"
#include "colour/contrast.h"
#include "colour/derive.h"
#include "colour/oklab.h"
#include "colour/vision.h"

namespace {

COLORREF Hex(const std::string& text) {
    const unsigned long rgb = std::stoul(text.substr(1), nullptr, 16);
    return MakeColour(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8),
                      static_cast<int>(rgb));
}

std::vector<double> Numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> values;
    for (double value = 0; in >> value;) {
        values.push_back(value);
    }
    return values;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

void ExpectNear(const std::vector<double>& actual, const std::string& expected, double tolerance) {
    const std::vector<double> want = Numbers(expected);
    ASSERT_EQ(actual.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(actual[i], want[i], tolerance) << "component " << i;
    }
}

} // namespace

class Ciede2000Pairs : public testing::TestWithParam<CaseRow> {};

TEST_P(Ciede2000Pairs, MatchTheirPublishedDifference) {
    const std::vector<double> a = Numbers(GetParam()[0]);
    const std::vector<double> b = Numbers(GetParam()[1]);
    const double expected = std::stod(GetParam()[2]);
    const Lab first{a.at(0), a.at(1), a.at(2)};
    const Lab second{b.at(0), b.at(1), b.at(2)};
    EXPECT_NEAR(Ciede2000(first, second), expected, 5e-5);
    EXPECT_NEAR(Ciede2000(second, first), expected, 5e-5);
}

INSTANTIATE_TEST_SUITE_P(Cases, Ciede2000Pairs, testing::ValuesIn(ReadCaseTable("ciede2000.txt")),
                         CaseName);

class ColourValues : public testing::TestWithParam<CaseRow> {};

TEST_P(ColourValues, MatchTheirReference) {
    const std::string& kind = GetParam()[0];
    const std::vector<std::string> input = Words(GetParam()[1]);
    const std::string& expected = GetParam()[2];
    if (kind == "contrast") {
        ExpectNear({ContrastRatio(Hex(input.at(0)), Hex(input.at(1)))}, expected, 0.005);
    } else if (kind == "lab") {
        const Lab lab = ToLab(Hex(input.at(0)));
        ExpectNear({lab.L, lab.a, lab.b}, expected, 0.01);
    } else if (kind == "oklab") {
        const std::vector<double> xyz = Numbers(GetParam()[1]);
        const Oklab lab = XyzToOklab({xyz.at(0), xyz.at(1), xyz.at(2)});
        ExpectNear({lab.L, lab.a, lab.b}, expected, 0.0005);
    } else if (kind == "oklch") {
        const Oklch lch = ToOklch(LinearToOklab(ToLinear(Hex(input.at(0)))));
        ExpectNear({lch.L, lch.C, lch.h}, expected, 0.00005);
    } else if (kind == "vision") {
        const std::optional<Vision> vision = VisionFromName(input.at(0));
        ASSERT_TRUE(vision);
        EXPECT_STREQ(VisionName(*vision), input.at(0).c_str());
        EXPECT_EQ(SimulateVision(Hex(input.at(1)), *vision), Hex(expected));
    } else {
        FAIL() << "unknown kind " << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourValues, testing::ValuesIn(ReadCaseTable("colour_values.txt")),
                         CaseName);

TEST(ColourSpaces, EveryEightBitColourSurvivesTheRoundTrips) {
    for (int value = 0; value < 256; ++value) {
        const COLORREF colour = MakeColour(value, 255 - value, value / 2);
        EXPECT_EQ(FromLinear(ToLinear(colour)), colour);
        EXPECT_EQ(FromLinear(OklabToLinear(LinearToOklab(ToLinear(colour)))), colour);
        const COLORREF grey = MakeColour(value, value, value);
        EXPECT_LT(ToOklch(LinearToOklab(ToLinear(grey))).C, 1e-7) << value;
        EXPECT_NEAR(ToLab(grey).a, 0.0, 1e-9);
    }
    EXPECT_FALSE(VisionFromName("colourblind"));
}

TEST(ColourSpaces, GamutMappingKeepsLightnessAndHue) {
    for (double hue = 0; hue < 360; hue += 15) {
        const Oklch wanted{0.7, 0.4, hue};
        const LinearRgb mapped = MapIntoSrgb(wanted);
        EXPECT_EQ(ClipLinear(mapped).r, mapped.r);
        const Oklch got = ToOklch(LinearToOklab(mapped));
        EXPECT_NEAR(got.L, wanted.L, 0.02) << hue;
        EXPECT_LT(got.C, wanted.C);
    }
    EXPECT_EQ(FromLinear(MapIntoSrgb({1.2, 0.3, 40})), kLightPaper);
    EXPECT_EQ(FromLinear(MapIntoSrgb({-0.1, 0.3, 40})), kDarkPaper);
}

TEST(Derive, EveryDerivedPenReadsOnItsBackgroundAndNothingElseChanges) {
    struct Case {
        int target;
        DeriveOptions options;
    };
    const Case cases[] = {{kDarkBackground, {}},
                          {kLightBackground, {}},
                          {kDarkBackground, {7.0, kLightPaper, MakeColour(0x20, 0x20, 0x30)}},
                          {kLightBackground, {3.0, MakeColour(0xf0, 0xe8, 0xd0), kDarkPaper}}};
    for (const Case& c : cases) {
        PaletteEntry palette;
        palette.SetDefaultColours();
        const auto before = palette.m_Colours;
        DeriveColours(palette, c.target, c.options);
        const int source = 1 - c.target;
        const COLORREF background =
            c.target == kDarkBackground ? c.options.darkBackground : c.options.lightBackground;
        EXPECT_EQ(palette.m_Colours[source], before[source]);
        EXPECT_EQ(palette.m_Colours[c.target][0], before[c.target][0]);
        for (int pen = 1; pen < kPenCount; ++pen) {
            const COLORREF derived = palette.m_Colours[c.target][pen];
            EXPECT_GE(ContrastRatio(derived, background), c.options.minContrast) << pen;
            EXPECT_EQ(DeriveColour(before[source][pen], c.target, c.options), derived);
        }
    }
}

TEST(Derive, MirrorsLightnessKeepsHueAndMovesOnlyAsFarAsNeeded) {
    // Black on paper becomes white on a screen and the reverse.
    EXPECT_EQ(DeriveColour(kDarkPaper, kDarkBackground), kLightPaper);
    EXPECT_EQ(DeriveColour(kLightPaper, kLightBackground), kDarkPaper);
    // Dark blue mirrored is light enough already: the hue stays, the contrast is met.
    const COLORREF navy = MakeColour(0, 0, 128);
    const COLORREF derived = DeriveColour(navy, kDarkBackground);
    const Oklch before = ToOklch(LinearToOklab(ToLinear(navy)));
    const Oklch after = ToOklch(LinearToOklab(ToLinear(derived)));
    EXPECT_NEAR(after.h, before.h, 3.0);
    EXPECT_NEAR(after.L, 1.0 - before.L, 0.01);
    // Mid grey mirrored is too dark for a screen; it lightens only to just past 4.5:1.
    const COLORREF grey = DeriveColour(MakeColour(0x77, 0x77, 0x77), kDarkBackground);
    EXPECT_GE(ContrastRatio(grey, kDarkPaper), 4.5);
    EXPECT_LT(ContrastRatio(grey, kDarkPaper), 4.6);
    // A background no colour can reach 6:1 on gets the best there is.
    EXPECT_EQ(DeriveColour(navy, kDarkBackground, {6.0, kLightPaper, MakeColour(128, 128, 128)}),
              kDarkPaper);
}
