// Field splitting and number reading as the palette and INI readers use them.
#include <gtest/gtest.h>

#include <climits>

#include "shared/fields.h"

TEST(Fields, GetField) {
    const struct {
        CString text;
        int index;
        wchar_t separator;
        CString expected;
    } cases[] = {
        {L"Pen5, 255, 0", 1, L',', L"Pen5"},
        {L"Pen5, 255, 0", 2, L',', L" 255"},
        {L"Pen5, 255, 0", 5, L',', L"dflt"},
        {L"Pen5, 255, 0", 0, L',', L"dflt"},
        {L"a,,b", 2, L',', L""},
        {L"a,", 3, L',', L"dflt"},
        {L"", 1, L',', L""},
        {L"no separator", 1, L',', L"no separator"},
        // A blank separator splits at runs of blanks, and only at blanks.
        {L"  255  0\t7 ", 1, L' ', L"255"},
        {L"  255  0\t7 ", 2, L' ', L"0\t7"},
        {L"  255  0\t7 ", 3, L' ', L"dflt"},
        {L"\t\t1\t2", 2, L'\t', L"2"},
        {L"   ", 1, L' ', L"dflt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetField(c.text, L"dflt", c.index, c.separator), c.expected)
            << "field " << c.index << " of '" << std::string(c.text.begin(), c.text.end()) << "'";
    }
}

TEST(Fields, WToIReadsLikeTheCRuntime) {
    const struct {
        CString text;
        int expected;
    } cases[] = {
        {L"42", 42},
        {L"  \t42", 42},
        {L"+7", 7},
        {L"-1", -1},
        {L" 7x", 7},
        {L"x7", 0},
        {L"", 0},
        {L"- 5", 0},
        {L"guin", 0},
        {L"2147483647", INT_MAX},
        {L"2147483648", INT_MAX},
        {L"-2147483648", INT_MIN},
        {L"-99999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WToI(c.text), c.expected) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(Fields, CoreGetFieldInt) {
    EXPECT_EQ(coreGetFieldInt(L"255 128 64", 0, 2, L' '), 128);
    EXPECT_EQ(coreGetFieldInt(L"255  128   64", 0, 3, L' '), 64);
    EXPECT_EQ(coreGetFieldInt(L"255 128", 0, 3, L' '), 0);
    EXPECT_EQ(coreGetFieldInt(L"10\t20\t30", 0, 1, L' '), 10);
    EXPECT_EQ(coreGetFieldInt(L"10\t20\t30", 0, 2, L' '), 0);
    EXPECT_EQ(coreGetFieldInt(L"255 128", -9, 3, L' '), -9);
    EXPECT_EQ(coreGetFieldInt(L"red 1", 5, 1, L' '), 0) << "present but not a number";
    EXPECT_EQ(coreGetFieldInt(nullptr, 5, 1, L' '), 5);
}
