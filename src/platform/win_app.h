// CWinApp: the application object. The program derives its own and overrides InitInstance;
// main() builds the QApplication, then the application object, and calls InitInstance.
//
//   CWinApp* app = AfxGetApp();          // the one application object
//   app->m_pszHelpFilePath               // help file path (set by the program at start-up)
//   app->m_pMainWnd                      // the main window while it runs
//
// InitCommonControls() sets up the window layer for a process: the widget style, the dialog
// font and the message-box presenter. Programs and GUI tests call it once, after the
// QApplication exists.
#pragma once

#include "shared/cstring.h"

class QWidget;

void InitCommonControls();

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns false when the program is to end once it returns.
    virtual bool InitInstance();

    // The framework's help file: the program file's path with the extension ".chm".
    CString m_pszHelpFilePath;
    QWidget* m_pMainWnd = nullptr;
};

// The application object, null before one is built.
CWinApp* AfxGetApp();
