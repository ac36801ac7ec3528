// CAddPaletteDlg and the check of the texts it accepts.
#include "editor/add_palette_dlg.h"

#include <QLineEdit>

#include "platform/format_text.h"
#include "platform/translation.h"
#include "resources/resource.h"
#include "shared/text_encoding.h"
#include "shared/translatable.h"
#include "shared/xmessagebox.h"

namespace {

bool IsLineBreak(wchar_t c) {
    return c == L'\n' || c == L'\r';
}

// The first character of text that would not read back, 0 when there is none.
wchar_t FirstRefusedCharacter(const CString& text, bool isName) {
    const char32_t unencodable = FirstUnencodableWindows1252(text);
    for (const wchar_t c : text) {
        if ((isName && c == L',') || c == L'#' || IsLineBreak(c) ||
            (unencodable != 0 && static_cast<char32_t>(c) == unencodable)) {
            return c;
        }
    }
    return 0;
}

CString RefusalMessage(const wchar_t* whatText, wchar_t c) {
    const CString subject = TranslatedText(whatText);
    const wchar_t* what = subject.c_str();
    if (c == L',') {
        return FormatText(
            L"" QT_TRANSLATE_NOOP("Tintora",
                                  "%ls cannot contain a comma (\",\"): in a palette file the comma "
                                  "ends the name and starts the description."),
            what);
    }
    if (c == L'#') {
        return FormatText(
            L"" QT_TRANSLATE_NOOP("Tintora",
                                  "%ls cannot contain \"#\": in a palette file \"#\" starts a "
                                  "comment, and the rest of the line would be lost."),
            what);
    }
    if (IsLineBreak(c)) {
        return FormatText(
            L"" QT_TRANSLATE_NOOP("Tintora",
                                  "%ls cannot contain a line break: the name and the description "
                                  "of a palette share one line of the palette file."),
            what);
    }
    return FormatText(
        L"" QT_TRANSLATE_NOOP("Tintora",
                              "%ls cannot contain the character \"%lc\" (U+%04X): palette files "
                              "hold only the characters of the Windows-1252 (Western European) "
                              "character set."),
        what, static_cast<wint_t>(c), static_cast<unsigned int>(c));
}

} // namespace

std::optional<PaletteTextRefusal> RefusePaletteTexts(const CString& name,
                                                     const CString& description) {
    if (const wchar_t c = FirstRefusedCharacter(name, true); c != 0) {
        return PaletteTextRefusal{IDC_PALETTE_NAME,
                                  RefusalMessage(L"" QT_TRANSLATE_NOOP("Tintora", "The name"), c)};
    }
    if (const wchar_t c = FirstRefusedCharacter(description, false); c != 0) {
        return PaletteTextRefusal{
            IDC_PALETTE_DESCRIPTION,
            RefusalMessage(L"" QT_TRANSLATE_NOOP("Tintora", "The description"), c)};
    }
    return std::nullopt;
}

CAddPaletteDlg::CAddPaletteDlg(QWidget* pParent)
    : CDialog(IDD_ADDPALETTE_DIALOG, pParent), m_bAddMode(true) {}

CAddPaletteDlg::CAddPaletteDlg(const CString& name, const CString& description, QWidget* pParent)
    : CDialog(IDD_ADDPALETTE_DIALOG, pParent), m_strName(name), m_strDescription(description),
      m_bAddMode(false) {}

void CAddPaletteDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PALETTE_NAME, m_strName);
    DDX_Text(pDX, IDC_PALETTE_DESCRIPTION, m_strDescription);
}

bool CAddPaletteDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_bAddMode) {
        SetWindowText(TranslatedText(L"" QT_TRANSLATE_NOOP("Tintora", "Rename Palette")));
    }
    UpdateData(false);
    // The preset name is selected, so that typing replaces it.
    if (auto* name = qobject_cast<QLineEdit*>(GetDlgItem(IDC_PALETTE_NAME)); !m_bAddMode && name) {
        name->selectAll();
    }
    return true;
}

void CAddPaletteDlg::FocusEdit(int id) {
    // Back to the text to correct; what was typed stays as it is.
    if (QWidget* edit = GetDlgItem(id)) {
        edit->setFocus();
    }
}

void CAddPaletteDlg::OnOK() {
    UpdateData(true);
    if (m_strName.empty()) {
        XMessageBox(
            GetSafeHwnd(),
            L"" QT_TRANSLATE_NOOP("Tintora", "You must at least supply a name for the palette"),
            L"" QT_TRANSLATE_NOOP("Tintora", "Error"), MB_OK | MB_ICONEXCLAMATION, nullptr);
        FocusEdit(IDC_PALETTE_NAME);
        return;
    }
    if (const std::optional<PaletteTextRefusal> refusal =
            RefusePaletteTexts(m_strName, m_strDescription)) {
        XMessageBox(GetSafeHwnd(), refusal->message.c_str(),
                    L"" QT_TRANSLATE_NOOP("Tintora", "Error"), MB_OK | MB_ICONEXCLAMATION, nullptr);
        FocusEdit(refusal->controlId);
        return;
    }
    EndDialog(IDOK);
}
