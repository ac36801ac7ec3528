// CAboutDlg: the About box, naming the program and its release.
#pragma once

#include "platform/dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
};
