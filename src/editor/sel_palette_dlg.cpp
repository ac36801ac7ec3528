// CSelPaletteDlg.
#include "editor/sel_palette_dlg.h"

#include "model/palette_entry.h"
#include "resources/resource.h"
#include "shared/xmessagebox.h"

CSelPaletteDlg::CSelPaletteDlg(const UI_LIST* list, QWidget* pParent)
    : CDialog(IDD_SELPALETTE_DIALOG, pParent), m_pList(list) {}

CSelPaletteDlg::~CSelPaletteDlg() {
    m_pList = nullptr;
}

void CSelPaletteDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PALETTE_LIST, m_wndPaletteList);
}

bool CSelPaletteDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The list box is not sorted, so line i is the palette at position i: the chosen line
    // is used as a list position as it is.
    // Texts are joined rather than formatted, so that names of any length show whole.
    for (const UI_ELEMENT* element = m_pList != nullptr ? m_pList->First() : nullptr;
         element != nullptr; element = element->Next()) {
        const auto* palette = dynamic_cast<const PaletteEntry*>(element);
        m_wndPaletteList.AddString(
            palette != nullptr ? palette->m_Name + L" - " + palette->m_Description : CString());
    }
    return true;
}

void CSelPaletteDlg::OnOK() {
    m_nSelected = m_wndPaletteList.GetCurSel();
    if (m_nSelected == LB_ERR) {
        XMessageBox(GetSafeHwnd(), L"You need to select a palette", L"Error",
                    MB_OK | MB_ICONEXCLAMATION, nullptr);
        return;
    }
    CDialog::OnOK();
}

bool CSelPaletteDlg::OnCommand(int id, int code) {
    if (id == IDC_PALETTE_LIST && code == LBN_DBLCLK) {
        OnDblclkPaletteList();
        return true;
    }
    return CDialog::OnCommand(id, code);
}

void CSelPaletteDlg::OnDblclkPaletteList() {
    // A double click chooses its line, with the same check as the OK button.
    OnOK();
}
