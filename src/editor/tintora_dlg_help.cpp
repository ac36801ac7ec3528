// CTintoraDlg: the help command, from the Help menu and from F1.
#include "editor/tintora_dlg.h"
#include "platform/help_viewer.h"
#include "platform/qt_text.h"
#include "platform/translation.h"
#include "platform/win_app.h"
#include "shared/paths.h"

void CTintoraDlg::OnHelpContents() {
    // The help file that start-up worked out beside the program is shown where the system
    // has a viewer for it; the manual of the program's folder otherwise.
    const CWinApp* app = AfxGetApp();
    const CString helpFile = app != nullptr ? app->m_pszHelpFilePath : CString();
    // The manual in the user's language where it is translated.
    ShowHelpContents(
        this, ToQString(helpFile),
        LocalisedPath(ToQString(coreGetAppFolder() + L"help/"), QStringLiteral("index.html")));
}
