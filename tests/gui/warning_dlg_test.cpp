// The start-up message: shown while the profile asks for it, turned off only by OK with the
// box ticked.
#include <QAbstractButton>
#include <gtest/gtest.h>

#include "app/warning_dlg.h"
#include "editor/tintora_dlg.h"
#include "gui_test_support.h"
#include "platform/profile.h"
#include "resources/resource.h"

namespace {

class Warning : public GuiTest {};

constexpr int kMissing = -1;

int StoredShowWarning() {
    return GetProfileInt(L"DialogData\\Tintora", L"ShowWarning", kMissing);
}

TEST_F(Warning, ShownBeforeTheEditorUnlessTurnedOff) {
    bool editorVisible = true;
    Script().Then([&editorVisible](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Important Message"));
        editorVisible = d.parentWidget() != nullptr && d.parentWidget()->isVisible();
        ClickDlgItem(d, IDOK);
    });
    {
        CTintoraDlg editor(nullptr);
        editor.Create();
    }
    EXPECT_FALSE(editorVisible);

    WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
    CTintoraDlg editor(nullptr);
    editor.Create(); // no answer queued: a message would be a failure
}

TEST_F(Warning, OnlyOkWithTheBoxTickedTurnsItOff) {
    struct Case {
        const char* what;
        bool tick;
        int closeWith; // IDOK, or IDCANCEL for Esc, or 0 for the close box
        int stored;
    };
    const Case cases[] = {
        {"ticked, OK", true, IDOK, 0},
        {"not ticked, OK", false, IDOK, kMissing},
        {"ticked, Esc", true, IDCANCEL, kMissing},
        {"ticked, close box", true, 0, kMissing},
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
        EXPECT_EQ(StoredShowWarning(), c.stored) << c.what;
    }
}

} // namespace
