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
        CommandEntry{ID_FILE_NEW, BN_CLICKED, &CTintoraDlg::OnFileNew},
        CommandEntry{ID_FILE_OPEN, BN_CLICKED, &CTintoraDlg::OnFileOpen},
        CommandEntry{ID_FILE_SAVE, BN_CLICKED, &CTintoraDlg::OnFileSave},
        CommandEntry{ID_FILE_SAVE_AS, BN_CLICKED, &CTintoraDlg::OnFileSaveAs},
        CommandEntry{ID_IMPORT_VELDRA, BN_CLICKED, &CTintoraDlg::OnImport},
        CommandEntry{ID_IMPORT_PALETTE, BN_CLICKED, &CTintoraDlg::OnImportPalette},
        CommandEntry{ID_EXPORT_PALETTE, BN_CLICKED, &CTintoraDlg::OnExportPalette},
        CommandEntry{ID_EXIT, BN_CLICKED, &CTintoraDlg::OnExit},
        CommandEntry{ID_SELECT_PALETTE, BN_CLICKED, &CTintoraDlg::OnSelectPalette},
        CommandEntry{ID_ADD_PALETTE, BN_CLICKED, &CTintoraDlg::OnAddPalette},
        CommandEntry{ID_DELETE_PALETTE, BN_CLICKED, &CTintoraDlg::OnDeletePalette},
        CommandEntry{ID_RENAME_PALETTE, BN_CLICKED, &CTintoraDlg::OnRenamePalette},
        CommandEntry{ID_ABOUT, BN_CLICKED, &CTintoraDlg::OnAbout},
        CommandEntry{ID_HELP_CONTENTS, BN_CLICKED, &CTintoraDlg::OnHelpContents},
        CommandEntry{ID_HELP, BN_CLICKED, &CTintoraDlg::OnHelpContents},
        CommandEntry{ID_EDIT_UNDO, BN_CLICKED, &CTintoraDlg::OnEditUndo},
        CommandEntry{ID_EDIT_REDO, BN_CLICKED, &CTintoraDlg::OnEditRedo},
        CommandEntry{ID_EDIT_COPY, BN_CLICKED, &CTintoraDlg::OnEditCopy},
        CommandEntry{ID_EDIT_PASTE, BN_CLICKED, &CTintoraDlg::OnEditPaste},
        CommandEntry{ID_DERIVE_DARK, BN_CLICKED, &CTintoraDlg::OnDeriveDark},
        CommandEntry{ID_DERIVE_LIGHT, BN_CLICKED, &CTintoraDlg::OnDeriveLight},
        CommandEntry{ID_VIEW_NORMAL, BN_CLICKED, &CTintoraDlg::OnViewNormal},
        CommandEntry{ID_VIEW_PROTANOPIA, BN_CLICKED, &CTintoraDlg::OnViewProtanopia},
        CommandEntry{ID_VIEW_DEUTERANOPIA, BN_CLICKED, &CTintoraDlg::OnViewDeuteranopia},
        CommandEntry{ID_VIEW_TRITANOPIA, BN_CLICKED, &CTintoraDlg::OnViewTritanopia},
        CommandEntry{ID_VIEW_MARK_LOW_CONTRAST, BN_CLICKED, &CTintoraDlg::OnViewMarkLowContrast},
    };
    for (const CommandEntry& entry : kMessageMap) {
        if (entry.id == id && entry.code == code) {
            (this->*entry.handler)();
            return true;
        }
    }
    return CDialog::OnCommand(id, code);
}
