// CSelPaletteDlg.
#include "editor/sel_palette_dlg.h"

#include "model/palette_entry.h"
#include "resources/resource.h"
#include "shared/translatable.h"
#include "shared/xmessagebox.h"

namespace {

// A list box lays out every character of a line, so a line of megabytes would keep the
// dialog from opening for long; nobody reads past the first thousand characters anyway.
constexpr std::size_t kMaxLineLength = 1000;

// "name - description", cut to its first kMaxLineLength characters and "…" when longer.
CString ListLine(const PaletteEntry* palette) {
    if (palette == nullptr) {
        return {};
    }
    // Copies no more of either text than can show.
    CString line = palette->m_Name.substr(0, kMaxLineLength + 1) + L" - " +
                   palette->m_Description.substr(0, kMaxLineLength + 1);
    if (palette->m_Name.size() + 3 + palette->m_Description.size() > kMaxLineLength) {
        line.resize(kMaxLineLength);
        line += L'\u2026';
    }
    return line;
}

} // namespace

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
    CStringArray lines;
    for (const UI_ELEMENT* element = m_pList != nullptr ? m_pList->First() : nullptr;
         element != nullptr; element = element->Next()) {
        lines.push_back(ListLine(dynamic_cast<const PaletteEntry*>(element)));
    }
    m_wndPaletteList.AddStrings(lines);
    return true;
}

void CSelPaletteDlg::OnOK() {
    m_nSelected = m_wndPaletteList.GetCurSel();
    if (m_nSelected == LB_ERR) {
        XMessageBox(GetSafeHwnd(), L"" QT_TRANSLATE_NOOP("Tintora", "You need to select a palette"),
                    L"" QT_TRANSLATE_NOOP("Tintora", "Error"), MB_OK | MB_ICONEXCLAMATION, nullptr);
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
