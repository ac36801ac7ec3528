// CWarningDlg: the "Important Message" shown at start-up about where modified files belong,
// with a check box that turns it off for good.
#pragma once

#include "platform/dialog.h"

class CWarningDlg : public CDialog {
public:
    explicit CWarningDlg(QWidget* pParent = nullptr);

    CButton m_wndDontShow;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Stores "do not show again" when the box is ticked; Esc and the close box store nothing.
    void OnOK() override;
};
