// CFileDialog: the open and save dialog, Qt's own file dialog (never a desktop's native
// one) set up from the framework's arguments, run through the modal door.
//
//   CFileDialog dlg(true, L"ini", L"/home/me/CAD.ini", OFN_FILEMUSTEXIST,
//                   L"Veldra 3.x (*.ini)|*.ini||", this);
//   if (dlg.DoModal() == IDOK) { CString path = dlg.GetPathName(); ... }
//
// Every question the dialog asks on accepting (a missing file, a missing folder, replacing a
// file) is a message box of our own, so it goes through the modal door like any other.
#pragma once

#include <QFileDialog>
#include <QStringList>

#include "shared/cstring.h"
#include "shared/xmessagebox.h"

class QLineEdit;
class QPushButton;
class QWidget;

// Flags of the dialog (the framework's OFN_ values).
inline constexpr unsigned int OFN_OVERWRITEPROMPT = 0x2;  // ask before replacing a file
inline constexpr unsigned int OFN_HIDEREADONLY = 0x4;     // no read-only box (Qt has none)
inline constexpr unsigned int OFN_PATHMUSTEXIST = 0x800;  // the file's folder must exist
inline constexpr unsigned int OFN_FILEMUSTEXIST = 0x1000; // the file must exist

// A filter of the framework's form, description and pattern pairs separated by bars
// ("Corvane Palette (*.pal)|*.pal||"), as Qt's name filters: "Corvane Palette (*.pal)".
// The shown text is the description; the patterns in parentheses are the ones that filter.
QStringList ToQtNameFilters(const CString& filter);

class CFileDialog : public QFileDialog {
public:
    // The structure size and the new-style flag are the framework's; Qt's dialog has one
    // look, so they change nothing here.
    CFileDialog(bool bOpenFileDialog, const CString& defaultExtension = CString(),
                const CString& fileName = CString(),
                unsigned int flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                const CString& filter = CString(), QWidget* pParentWnd = nullptr,
                unsigned int structSize = 0, bool bVistaStyle = true);

    // IDOK when a file was chosen, IDCANCEL otherwise.
    int DoModal();
    // The chosen file's full path (after IDOK).
    CString GetPathName() const;
    // The folder the dialog shows, without a trailing separator.
    CString GetFolderPath() const;
    unsigned int GetFlags() const { return m_nFlags; }

    // The file-name field and the Open/Save button, null when the dialog has none.
    QLineEdit* FileNameEdit() const;
    QPushButton* AcceptButton() const;

protected:
    // Called once, before the dialog is first shown, when its own set-up is complete.
    virtual void OnInitDone() {}

    void accept() override;

private:
    void SetInitialFile(const CString& fileName);
    void FitDetailColumnsWhenRead();
    // False when the typed name must not be accepted (after telling the user why).
    bool CheckChosenFile(const QString& typed, const QString& file);

    unsigned int m_nFlags;
    bool m_bInitDone = false;
};
