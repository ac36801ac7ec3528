// The message box hands everything to the presenter, or answers by itself without one.
#include <gtest/gtest.h>

#include <string>

#include "shared/cstring.h"
#include "shared/xmessagebox.h"

TEST(XMessageBox, PresenterOrFirstButton) {
    CString seen;
    const XMessageBoxPresenter old = SetXMessageBoxPresenter(
        [&](HWND, const wchar_t* text, const wchar_t* caption, unsigned int style) {
            seen = CString(caption) + L"|" + text + L"|" + std::to_wstring(style);
            return IDNO;
        });
    EXPECT_EQ(XMessageBox(nullptr, L"Line 1\nLine 2", L"Save", 3, nullptr), IDNO);
    EXPECT_EQ(seen, L"Save|Line 1\nLine 2|3");

    SetXMessageBoxPresenter({});
    testing::internal::CaptureStderr();
    EXPECT_EQ(XMessageBox(nullptr, L"Palette file has been saved", L"Info", 0x30, nullptr), IDOK);
    EXPECT_EQ(XMessageBox(nullptr, L"Save?", L"Save", 0x3, nullptr), IDYES);
    EXPECT_EQ(XMessageBox(nullptr, L"Delete?", L"Info", 0x24, nullptr), IDYES);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Info: Palette file has been saved"),
              std::string::npos);
    SetXMessageBoxPresenter(old);
}
