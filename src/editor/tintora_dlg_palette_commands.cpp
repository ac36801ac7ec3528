// CTintoraDlg: the commands on the palette list as a whole (Select, Add, Delete and Rename
// Palette) and the About box.
#include "editor/about_dlg.h"
#include "editor/add_palette_dlg.h"
#include "editor/sel_palette_dlg.h"
#include "editor/tintora_dlg.h"
#include "shared/translatable.h"
#include "shared/xmessagebox.h"

namespace {

const wchar_t kNothingToSelect[] =
    L"" QT_TRANSLATE_NOOP("Tintora", "There is only one palette in the file\ntherefore nothing to "
                                     "select.\n\nWould you like to add another ?");
const wchar_t kNothingToDelete[] =
    L"" QT_TRANSLATE_NOOP("Tintora", "There is only one palette in the file\ntherefore nothing "
                                     "present that can be deleted\n\nWould you like the "
                                     "current file unloaded instead ?");
const wchar_t kNotLoaded[] =
    L"" QT_TRANSLATE_NOOP("Tintora", "This is the default palette and was not loaded initially");

} // namespace

void CTintoraDlg::OnSelectPalette() {
    if (m_pPaletteList->Count() == 1) {
        if (XMessageBox(GetSafeHwnd(), kNothingToSelect, L"" QT_TRANSLATE_NOOP("Tintora", "Info"),
                        MB_YESNO | MB_ICONQUESTION, nullptr) == IDYES) {
            OnAddPalette();
        }
        return;
    }
    CSelPaletteDlg dlg(m_pPaletteList, this);
    if (dlg.DoModal() == IDOK) {
        SetCurrentPalette(dlg.m_nSelected);
        Invalidate();
    }
}

void CTintoraDlg::OnAddPalette() {
    CAddPaletteDlg dlg(this);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    // A new palette starts from the built-in colours, never from the current palette's.
    PaletteEntry defaults;
    defaults.SetDefaultColours();
    m_undoStack.push(
        new AppendPalettesCommand(*this, L"" QT_TRANSLATE_NOOP("Tintora", "Add Palette"),
                                  {{dlg.m_strName, dlg.m_strDescription, defaults.m_Colours}}));
    m_bModified = true;
    Invalidate();
}

void CTintoraDlg::OnDeletePalette() {
    if (m_pPaletteList->Count() == 1) {
        if (XMessageBox(GetSafeHwnd(), kNothingToDelete, L"" QT_TRANSLATE_NOOP("Tintora", "Info"),
                        MB_YESNO | MB_ICONQUESTION, nullptr) != IDYES) {
            return;
        }
        if (m_strPathName.empty()) {
            XMessageBox(GetSafeHwnd(), kNotLoaded, L"" QT_TRANSLATE_NOOP("Tintora", "Info"),
                        MB_OK | MB_ICONEXCLAMATION, nullptr);
            return;
        }
        // Unloading drops the file's changes without asking: that is what was asked for.
        LoadDefaultPalette();
        m_undoStack.clear(); // the document is replaced
        SetUnmodified();
        Invalidate();
        return;
    }
    CSelPaletteDlg dlg(m_pPaletteList, this);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    if (m_pPaletteList->Get(dlg.m_nSelected) == nullptr) {
        return;
    }
    std::vector<PaletteCopy> remaining = CopyPalettes();
    remaining.erase(remaining.begin() + dlg.m_nSelected);
    // The first remaining palette becomes current, whichever one went.
    m_undoStack.push(new ReplacePalettesCommand(
        *this, L"" QT_TRANSLATE_NOOP("Tintora", "Delete Palette"), remaining, 0));
    m_bModified = true;
    Invalidate();
}

void CTintoraDlg::OnRenamePalette() {
    CAddPaletteDlg dlg(m_pCurrentPalette->m_Name, m_pCurrentPalette->m_Description, this);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    m_undoStack.push(new PaletteTextsCommand(
        *this, {m_pCurrentPalette->m_Name, m_pCurrentPalette->m_Description},
        {dlg.m_strName, dlg.m_strDescription}));
    m_bModified = true;
}

void CTintoraDlg::OnAbout() {
    CAboutDlg dlg(this);
    dlg.DoModal();
}
