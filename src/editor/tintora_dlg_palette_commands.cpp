// CTintoraDlg: the commands on the palette list as a whole (Select, Add, Delete and Rename
// Palette) and the About box.
#include "editor/about_dlg.h"
#include "editor/add_palette_dlg.h"
#include "editor/sel_palette_dlg.h"
#include "editor/tintora_dlg.h"
#include "shared/xmessagebox.h"

namespace {

const wchar_t kNothingToSelect[] = L"There is only one palette in the file\ntherefore nothing to "
                                   L"select.\n\nWould you like to add another ?";
const wchar_t kNothingToDelete[] =
    L"There is only one palette in the file\ntherefore nothing present that can be "
    L"deleted\n\nWould you like the current file unloaded instead ?";
const wchar_t kNotLoaded[] = L"This is the default palette and was not loaded initially";

} // namespace

void CTintoraDlg::OnSelectPalette() {
    if (m_pPaletteList->Count() == 1) {
        if (XMessageBox(GetSafeHwnd(), kNothingToSelect, L"Info", MB_YESNO | MB_ICONQUESTION,
                        nullptr) == IDYES) {
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
    auto* entry = new PaletteEntry;
    m_pPaletteList->Add(entry);
    entry->m_Name = dlg.m_strName;
    entry->m_Description = dlg.m_strDescription;
    entry->SetDefaultColours();
    SetCurrentPalette(static_cast<int>(m_pPaletteList->Count()) - 1);
    m_bModified = true;
    Invalidate();
}

void CTintoraDlg::OnDeletePalette() {
    if (m_pPaletteList->Count() == 1) {
        if (XMessageBox(GetSafeHwnd(), kNothingToDelete, L"Info", MB_YESNO | MB_ICONQUESTION,
                        nullptr) != IDYES) {
            return;
        }
        if (m_strPathName.empty()) {
            XMessageBox(GetSafeHwnd(), kNotLoaded, L"Info", MB_OK | MB_ICONEXCLAMATION, nullptr);
            return;
        }
        // Unloading drops the file's changes without asking: that is what was asked for.
        LoadDefaultPalette();
        m_bModified = false;
        Invalidate();
        return;
    }
    CSelPaletteDlg dlg(m_pPaletteList, this);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    UI_ELEMENT* chosen = m_pPaletteList->Get(dlg.m_nSelected);
    if (chosen == nullptr) {
        return;
    }
    m_pPaletteList->Subtract(chosen);
    // The current palette may be the one going; it is replaced before anything reads it.
    delete chosen;
    SetCurrentPalette(0);
    m_bModified = true;
    Invalidate();
}

void CTintoraDlg::OnRenamePalette() {
    CAddPaletteDlg dlg(m_pCurrentPalette->m_Name, m_pCurrentPalette->m_Description, this);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    m_pCurrentPalette->m_Name = dlg.m_strName;
    m_pCurrentPalette->m_Description = dlg.m_strDescription;
    // No colour changed: the label is all there is to refresh.
    SetPaletteLabel();
    m_bModified = true;
}

void CTintoraDlg::OnAbout() {
    CAboutDlg dlg(this);
    dlg.DoModal();
}
