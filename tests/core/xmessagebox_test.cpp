// Without a presenter (the command-line tool, a test) the message box prints its text and
// answers with its first button. What a presenter is handed, the GUI tests see in every box.
#include <gtest/gtest.h>

#include <string>

#include "shared/cstring.h"
#include "shared/xmessagebox.h"

TEST(XMessageBox, WithoutAPresenterTheFirstButtonAnswers) {
    const XMessageBoxPresenter old = SetXMessageBoxPresenter({});
    testing::internal::CaptureStderr();
    EXPECT_EQ(XMessageBox(nullptr, L"Palette file has been saved", L"Info", 0x30, nullptr), IDOK);
    EXPECT_EQ(XMessageBox(nullptr, L"Save?", L"Save", 0x3, nullptr), IDYES);
    EXPECT_EQ(XMessageBox(nullptr, L"Delete?", L"Info", 0x24, nullptr), IDYES);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Info: Palette file has been saved"),
              std::string::npos);
    SetXMessageBoxPresenter(old);
}
