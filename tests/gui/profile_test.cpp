// The profile over QSettings: sections with a backslash become sub-groups, defaults hold for
// missing values, values survive a new settings object.
#include <QSettings>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "gui_test_support.h"
#include "platform/profile.h"

namespace {

class Profile : public GuiTest {};

TEST_F(Profile, ValuesRoundTripAndMissingOnesGiveDefaults) {
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

// A settings file that is a pipe would block start-up for ever: defaults instead, kept in
// memory for the run, and the pipe left as it is.
TEST_F(Profile, SettingsFileThatIsAPipeGivesTheDefaults) {
    const QString pipe = ProfilePath() + QStringLiteral(".pipe");
    ASSERT_EQ(::mkfifo(pipe.toUtf8().constData(), 0600), 0);
    SetProfileFile(pipe);
    EXPECT_EQ(GetProfileInt(L"Settings", L"ShowTooltips", 7), 7);
    EXPECT_TRUE(WriteProfileInt(L"Settings", L"ShowTooltips", 0));
    EXPECT_EQ(GetProfileInt(L"Settings", L"ShowTooltips", 7), 0);
    struct stat info {};
    EXPECT_TRUE(::stat(pipe.toUtf8().constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    ::unlink(pipe.toUtf8().constData());
}

} // namespace
