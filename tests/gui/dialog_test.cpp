// CDialog: the keys and the close box. The exchange of texts is the palette dialogs' test.
#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "platform/dialog.h"
#include "resources/resource.h"

namespace {

class Dialog : public GuiTest {};

TEST_F(Dialog, KeysAndCloseBoxEndTheDialog) {
    struct KeyCase {
        int templateId;
        int focus; // 0: where the dialog puts it
        int key;   // 0: the close box
        int result;
    };
    const KeyCase cases[] = {
        {IDD_ADDPALETTE_DIALOG, IDC_PALETTE_NAME, Qt::Key_Return, IDOK}, // the default button
        {IDD_ADDPALETTE_DIALOG, IDCANCEL, Qt::Key_Return, IDCANCEL},     // the focused button
        {IDD_TINTORA_DIALOG, 0, Qt::Key_Enter, IDOK}, // no default button: OK all the same
        {IDD_ADDPALETTE_DIALOG, 0, Qt::Key_Escape, IDCANCEL},
        {IDD_ADDPALETTE_DIALOG, 0, 0, IDCANCEL},
    };
    for (const KeyCase& c : cases) {
        CDialog dlg(c.templateId, nullptr);
        Script().Then([&c, &dlg](QDialog& d) {
            if (c.focus != 0) {
                dlg.GetDlgItem(c.focus)->setFocus();
            }
            c.key != 0 ? PressKey(d, c.key) : static_cast<void>(d.close());
        });
        EXPECT_EQ(dlg.DoModal(), c.result) << "template " << c.templateId << " key " << c.key;
    }
}

} // namespace
