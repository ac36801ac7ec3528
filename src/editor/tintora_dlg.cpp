// CTintoraDlg: construction, data exchange, initialisation, the palette operations and the
// background buttons.
#include "editor/tintora_dlg.h"

#include "app/warning_dlg.h"
#include "platform/format_text.h"
#include "platform/icons.h"
#include "platform/profile.h"
#include "resources/resource.h"
#include "shared/paths.h"
#include "shared/translatable.h"

CString FormatRGB(COLORREF colour) {
    return FormatText(L"" QT_TRANSLATE_NOOP("Tintora", "R: %03d G: %03d B: %03d"), RedOf(colour),
                      GreenOf(colour), BlueOf(colour));
}

CTintoraDlg::CTintoraDlg(QWidget* pParent) : CDialog(IDD_TINTORA_DIALOG, pParent) {
    coreSetDataFolder(L"Corvane 2014");
    m_hIcon = LoadIconResource(IDR_MAINFRAME);
    m_bModified = false;
    m_strPathName.clear();
    m_pPaletteList = nullptr;
    m_pCurrentPalette = nullptr;
    m_nBackground = 0;
    LoadDefaultPalette();
    ConnectHistory();
    ConnectRecovery();
    setAcceptDrops(true);
}

CTintoraDlg::~CTintoraDlg() {
    // The history empties itself as it goes and says so; nobody here is left to listen.
    m_undoStack.disconnect(this);
    // The pen area reads the document, which goes first.
    delete m_pPenArea;
    m_pPenArea = nullptr;
    m_pCurrentPalette = nullptr;
    DiscardPaletteList(m_pPaletteList);
    m_pPaletteList = nullptr;
}

void CTintoraDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PEN_LABEL, m_wndPenLabel);
    DDX_Control(pDX, IDC_PEN_SWATCH, m_wndPenSwatch);
    DDX_Control(pDX, IDC_MARKER_SWATCH, m_wndMarkerSwatch);
    DDX_Control(pDX, IDC_STANDARD_GRID, m_wndStandardGrid);
    DDX_Control(pDX, IDC_SECONDARY_GRID, m_wndSecondaryGrid);
    DDX_Control(pDX, IDC_MAIN_GRID, m_wndMainGrid);
    DDX_Text(pDX, IDC_PEN_RGB, m_strPenRGB);
    DDX_Text(pDX, IDC_MARKER_RGB, m_strMarkerRGB);
    DDX_Control(pDX, IDC_PEN_OVER, m_wndPenOver);
    DDX_Control(pDX, IDC_RGB_OVER, m_wndRGBOver);
    DDX_Control(pDX, IDC_PALETTE_LABEL, m_wndPaletteLabel);
}

bool CTintoraDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    setWindowIcon(m_hIcon);
    EnableToolTips(GetProfileInt(L"Settings", L"ShowTooltips", 1) != 0);

    m_rcMainGrid = ControlRect(m_wndMainGrid);
    m_rcSecondaryGrid = ControlRect(m_wndSecondaryGrid);
    m_rcStandardGrid = ControlRect(m_wndStandardGrid);
    m_rcPenSwatch = ControlRect(m_wndPenSwatch);
    m_rcMarkerSwatch = ControlRect(m_wndMarkerSwatch);

    m_strPenRGB = FormatRGB(ShownColours()[m_nSelectedPen]);
    m_strMarkerRGB = FormatRGB(ShownColours()[0]);
    m_wndPenLabel.SetWindowText(
        FormatText(L"" QT_TRANSLATE_NOOP("Tintora", "Pen: %d"), m_nSelectedPen));
    // Nothing is under the pointer yet: the template's captions of these two never show.
    m_wndPenOver.SetWindowText(CString());
    m_wndRGBOver.SetWindowText(CString());
    SetPaletteLabel();
    CheckRadioButton(IDC_LIGHT_BACKGROUND, IDC_DARK_BACKGROUND, IDC_LIGHT_BACKGROUND);
    UpdateData(false);
    SetUpKeyboard();
    LoadViewSettings();

    if (GetProfileInt(L"DialogData\\Tintora", L"ShowWarning", 1) != 0) {
        CWarningDlg warning(this);
        warning.DoModal();
    }
    if (!OfferRecovery(m_strStartFile) && !m_strStartFile.empty()) {
        OpenFromOutside(m_strStartFile);
    }
    return true;
}

GridRect CTintoraDlg::ControlRect(const CWnd& control) const {
    QRect rect = control.GetWindowRect();
    ScreenToClient(rect);
    return ToGridRect(rect);
}

GridFrames CTintoraDlg::Frames() const {
    return {m_rcMainGrid, m_rcSecondaryGrid, m_rcStandardGrid, m_rcPenSwatch, m_rcMarkerSwatch};
}

const PenColours& CTintoraDlg::ShownColours() const {
    return m_pCurrentPalette->m_Colours[static_cast<std::size_t>(m_nBackground)];
}

void CTintoraDlg::SetPaletteLabel() {
    m_wndPaletteLabel.SetWindowText(
        FormatText(L"" QT_TRANSLATE_NOOP("Tintora", "Current palette: %ls (%ls)"),
                   m_pCurrentPalette->m_Name.c_str(), m_pCurrentPalette->m_Description.c_str()));
}

void CTintoraDlg::LoadDefaultPalette() {
    DiscardPaletteList(m_pPaletteList);
    m_pPaletteList = NewDefaultPaletteList();
    m_pCurrentPalette = PaletteAt(*m_pPaletteList, 0);
    const int oldPen = m_nSelectedPen;
    m_nSelectedPen = 1;
    m_nHoverPen = 0;
    if (m_pPenArea != nullptr) {
        m_pPenArea->SelectionChanged(oldPen);
    }
    // While the dialog is being constructed the label has no window yet.
    if (m_wndPaletteLabel.GetSafeHwnd() != nullptr) {
        SetPaletteLabel();
    }
    m_strPathName.clear();
}

void CTintoraDlg::SetCurrentPalette(int nIndex) {
    PaletteEntry* entry = m_pPaletteList != nullptr ? PaletteAt(*m_pPaletteList, nIndex) : nullptr;
    if (entry == nullptr) {
        // No list, or no palette at that position (a file none of whose palettes could be
        // read): a missing palette is never made current; the built-in one stands in.
        LoadDefaultPalette();
        return;
    }
    m_pCurrentPalette = entry;
    const int oldPen = m_nSelectedPen;
    m_nSelectedPen = 1;
    m_nHoverPen = 0;
    if (m_pPenArea != nullptr) {
        m_pPenArea->SelectionChanged(oldPen);
    }
    SetPaletteLabel();
    UpdateData(false);
}

void CTintoraDlg::OnBackgroundChanged() {
    const int checked = GetCheckedRadioButton(IDC_LIGHT_BACKGROUND, IDC_DARK_BACKGROUND);
    if (checked == 0) {
        return;
    }
    m_nBackground = checked - IDC_LIGHT_BACKGROUND;
    Invalidate();
}
