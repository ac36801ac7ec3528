// CTintoraApp: the application object. InitInstance sets up the window layer and the
// profile, works out the help file, and runs the editor until it closes.
#pragma once

#include "platform/win_app.h"

class CTintoraApp : public CWinApp {
public:
    // Always false: the program ends when the editor has closed.
    bool InitInstance() override;

    // The palette file the command line names, opened once the editor is initialised
    // (full path; empty for none).
    CString m_strFileToOpen;
};
