// CFileDialogEx: the open and save dialog of the palette file commands. Its button row
// starts with three shortcuts to the product family's data folders (shared, all users,
// user); the shared one is disabled when there is no shared folder of its own.
//
//   CFileDialogEx dlg(true, L"pal", initialPath, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
//                     L"Corvane Palette (*.pal)|*.pal||", this, 0, false, enableShared);
//   if (dlg.DoModal() == IDOK) { CString path = dlg.GetPathName(); ... }
#pragma once

#include "filedialog/file_dialog.h"

// The size of the shortcut icons for a button row whose icons are imageHeight pixels high:
// the smallest of 16, 24, 32 and 48 that is at least as high, 48 for anything higher.
int ShortcutIconSize(int imageHeight);

class CFileDialogEx : public CFileDialog {
public:
    CFileDialogEx(bool bOpenFileDialog, const CString& defaultExtension, const CString& fileName,
                  unsigned int flags, const CString& filter, QWidget* pParentWnd,
                  unsigned int structSize, bool bVistaStyle, bool bEnableShared);

    // The shortcut buttons: each goes to its folder unless the dialog already shows it.
    void OnOpenSharedFolder();
    void OnOpenAllUsersFolder();
    void OnOpenUserFolder();

    bool m_bEnableShared; // whether the shared-folder shortcut is enabled

protected:
    // Puts the shortcuts into the button row and centres the dialog over its owner.
    void OnInitDone() override;

private:
    void InstallShortcuts();
    void CenterWindow();
    void GoToFolder(const CString& folder);
};
