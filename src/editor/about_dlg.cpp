// CAboutDlg.
#include "editor/about_dlg.h"

#include "platform/format_text.h"
#include "resources/resource.h"
#include "shared/translatable.h"

namespace {

const wchar_t kRelease[] = L"2014 (Release 9)";

} // namespace

CAboutDlg::CAboutDlg(QWidget* pParent) : CDialog(IDD_ABOUTBOX, pParent) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The template's text is a placeholder; the release is the one of the product family.
    SetDlgItemText(IDC_VERSION,
                   FormatText(L"" QT_TRANSLATE_NOOP("Tintora", "Tintora %ls"), kRelease));
    return true;
}
