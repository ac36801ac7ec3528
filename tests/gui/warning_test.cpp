// The start-up message, shown before the editor while the profile asks for it, turned off
// only by OK with the box ticked. Start-up with a file is the outside test's.
#include "app/warning_dlg.h"
#include "gui_test_support.h"

namespace {

class Warning : public GuiTest {};

TEST_F(Warning, OnlyOkWithTheBoxTickedTurnsItOff) {
    for (const CaseRow& row : ReadCaseTable("start_warning.txt")) {
        SetProfileFile(ProfilePath() + QString::fromStdString(row.where).remove(QLatin1Char(':')));
        Script().Then([&row](QDialog& d) {
            if (row[0] == "yes") {
                ClickDlgItem(d, IDC_DONT_SHOW);
            }
            if (row[1] == "ok") {
                ClickDlgItem(d, IDOK);
            } else if (row[1] == "esc") {
                PressKey(d, Qt::Key_Escape);
            } else {
                d.close();
            }
        });
        CWarningDlg dlg(nullptr);
        dlg.DoModal();
        EXPECT_EQ(GetProfileInt(L"DialogData\\Tintora", L"ShowWarning", -1), row.Int(2))
            << row.where;
    }
}

} // namespace
