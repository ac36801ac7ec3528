// CTintoraDlg's message map: which command or control notification reaches which handler.
// Commands not listed do nothing.
#include <array>

#include "editor/tintora_dlg.h"
#include "resources/resource.h"

namespace {

struct CommandEntry {
    int id;
    int code;
    void (CTintoraDlg::*handler)();
};

} // namespace

bool CTintoraDlg::OnCommand(int id, int code) {
    // Inside the member so that the table may name protected handlers.
    static const std::array kMessageMap = {
        CommandEntry{IDC_LIGHT_BACKGROUND, BN_CLICKED, &CTintoraDlg::OnBackgroundChanged},
        CommandEntry{IDC_DARK_BACKGROUND, BN_CLICKED, &CTintoraDlg::OnBackgroundChanged},
    };
    for (const CommandEntry& entry : kMessageMap) {
        if (entry.id == id && entry.code == code) {
            (this->*entry.handler)();
            return true;
        }
    }
    return CDialog::OnCommand(id, code);
}
