// The start-up message: shown before the editor while the profile asks for it, turned off
// only by OK with the box ticked.
#include <gtest/gtest.h>

#include "app/warning_dlg.h"
#include "editor/tintora_dlg.h"
#include "gui_test_support.h"
#include "platform/profile.h"
#include "resources/resource.h"

namespace {

class Warning : public GuiTest {};

TEST_F(Warning, OnlyOkWithTheBoxTickedTurnsItOff) {
    struct Case {
        const char* what;
        bool tick;
        int closeWith; // IDOK, or IDCANCEL for Esc, or 0 for the close box
        int stored;    // -1: still missing
    };
    const Case cases[] = {
        {"ticked, OK", true, IDOK, 0},
        {"not ticked, OK", false, IDOK, -1},
        {"ticked, Esc", true, IDCANCEL, -1},
        {"ticked, close box", true, 0, -1},
    };
    for (const Case& c : cases) {
        SetProfileFile(ProfilePath() + QString::fromLatin1(c.what).remove(QLatin1Char(' ')));
        Script().Then([&c](QDialog& d) {
            if (c.tick) {
                ClickDlgItem(d, IDC_DONT_SHOW);
            }
            if (c.closeWith == IDOK) {
                ClickDlgItem(d, IDOK);
            } else if (c.closeWith == IDCANCEL) {
                PressKey(d, Qt::Key_Escape);
            } else {
                d.close();
            }
        });
        CWarningDlg dlg(nullptr);
        dlg.DoModal();
        EXPECT_EQ(GetProfileInt(L"DialogData\\Tintora", L"ShowWarning", -1), c.stored) << c.what;
    }
    // Turned off, the editor starts without it (an unexpected dialog would be a failure).
    WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
    CTintoraDlg editor(nullptr);
    editor.Create();
}

} // namespace
