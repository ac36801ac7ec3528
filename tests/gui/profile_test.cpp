// The profile over QSettings: sections with a backslash become sub-groups, defaults hold for
// missing values, values survive a new settings object.
#include <QSettings>
#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "platform/profile.h"

namespace {

class Profile : public GuiTest {};

TEST_F(Profile, ValuesRoundTripThroughTheFileAndMissingOnesGiveTheirDefaults) {
    EXPECT_EQ(GetProfileInt(L"Colours", L"Custom3", 0xFFFFFF), 0xFFFFFF);
    EXPECT_EQ(GetProfileString(L"Tintora", L"File", L"x"), L"x");
    ASSERT_TRUE(WriteProfileInt(L"Colours", L"Custom3", 0x123456));
    ASSERT_TRUE(WriteProfileString(L"Tintora", L"File", L"/home/ä/x, y.pal"));
    SetProfileFile(ProfilePath()); // a fresh settings object reads the file again
    EXPECT_EQ(GetProfileInt(L"Colours", L"Custom3", 0), 0x123456);
    EXPECT_EQ(GetProfileString(L"Tintora", L"File"), L"/home/ä/x, y.pal");
}

TEST_F(Profile, BackslashSectionIsASubGroup) {
    ASSERT_TRUE(WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0));
    QSettings file(ProfilePath(), QSettings::IniFormat);
    EXPECT_EQ(file.childGroups(), QStringList{QStringLiteral("DialogData")});
    EXPECT_EQ(file.value(QStringLiteral("DialogData/Tintora/ShowWarning")).toInt(), 0);
}

} // namespace
