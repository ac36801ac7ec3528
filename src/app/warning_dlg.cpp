// CWarningDlg.
#include "app/warning_dlg.h"

#include "platform/profile.h"
#include "resources/resource.h"

CWarningDlg::CWarningDlg(QWidget* pParent) : CDialog(IDD_WARNING_DIALOG, pParent) {}

void CWarningDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DONT_SHOW, m_wndDontShow);
}

void CWarningDlg::OnOK() {
    if (m_wndDontShow.GetCheck() == BST_CHECKED) {
        WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
    }
    CDialog::OnOK();
}
