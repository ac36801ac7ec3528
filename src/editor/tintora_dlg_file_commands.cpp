// CTintoraDlg: the file commands (New, Open, Save, Save As, Exit), the question before a
// modified palette is dropped, the window caption that names the open file, and opening a
// file that comes from outside (the command line, a drop) as Open does.
#include <QString>

#include "editor/tintora_dlg.h"
#include "filedialog/file_dialog_ex.h"
#include "files/palette_file.h"
#include "platform/format_text.h"
#include "platform/profile.h"
#include "platform/qt_text.h"
#include "platform/translation.h"
#include "shared/file_io.h"
#include "shared/paths.h"
#include "shared/text_encoding.h"
#include "shared/translatable.h"
#include "shared/xmessagebox.h"

namespace {

const wchar_t kPaletteFilter[] =
    L"" QT_TRANSLATE_NOOP("Tintora", "Corvane Palette (*.pal)") "|*.pal||";
const wchar_t kCaption[] = L"" QT_TRANSLATE_NOOP("Tintora", "Tintora");
constexpr unsigned int kOpenFlags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
constexpr unsigned int kSaveAsFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
constexpr std::size_t kPathCapacity = 260;

// Without a shared folder of its own the site's shared folder is the user's; a shortcut to
// it would only repeat the user one.
bool SharedFolderAvailable() {
    return ToQString(coreGetSharedAppPath())
               .compare(ToQString(coreGetUserAppPath()), Qt::CaseInsensitive) != 0;
}

// The file Open proposes: the open file, else the one opened last, else the example file
// beside the program.
CString InitialOpenPath(const CString& openFile) {
    if (!openFile.empty()) {
        return openFile;
    }
    CString remembered = GetProfileString(L"Tintora", L"File");
    if (!remembered.empty()) {
        return remembered;
    }
    wchar_t buffer[kPathCapacity] = {};
    coreAppFilePath(buffer, kPathCapacity, L"Example.pal");
    return buffer;
}

// The message, and on a second line what the system said about the failure, when it said
// anything.
CString WithCause(const wchar_t* text, const std::string& cause) {
    // The text is translated here, before the cause (which is not) joins it.
    const CString translated = TranslatedText(text);
    return cause.empty() ? translated : translated + L"\n" + FromUtf8(cause);
}

CString ReadFailureText(const PaletteReadResult& result) {
    switch (result.status) {
    case PaletteReadStatus::OpenFailed:
        return WithCause(L"" QT_TRANSLATE_NOOP("Tintora", "Failed to open selected palette file"),
                         result.reason);
    case PaletteReadStatus::TooMany:
        return L"" QT_TRANSLATE_NOOP(
            "Tintora",
            "The palette file holds more than 100,000 palettes; Tintora cannot edit it.");
    default:
        return L"" QT_TRANSLATE_NOOP("Tintora",
                                     "Failed to read name list from selected palette file");
    }
}

} // namespace

int CTintoraDlg::AskToSave() {
    const int answer =
        XMessageBox(GetSafeHwnd(),
                    L"" QT_TRANSLATE_NOOP(
                        "Tintora", "Current palette has been modified, would you like to save ?"),
                    L"" QT_TRANSLATE_NOOP("Tintora", "Save"), MB_YESNOCANCEL, nullptr);
    if (answer == IDYES) {
        // Whatever the save achieves, the command that asked goes on.
        OnFileSave();
    }
    return answer;
}

void CTintoraDlg::ShowFileInCaption() {
    SetWindowText(FormatText(L"" QT_TRANSLATE_NOOP("Tintora", "Tintora - %ls"),
                             coreExtractFileName(m_strPathName).c_str()));
}

void CTintoraDlg::OnFileNew() {
    if (m_bModified) {
        AskToSave(); // Cancel drops the changes just as No does
    }
    DiscardPaletteList(m_pPaletteList);
    m_pPaletteList = nullptr;
    m_pCurrentPalette = nullptr;
    // A new document: what was done to the old one cannot be undone in it.
    m_undoStack.clear();
    m_strPathName.clear();
    SetUnmodified();
    SetWindowText(TranslatedText(kCaption));
    LoadDefaultPalette();
    Invalidate();
}

void CTintoraDlg::OnFileOpen() {
    if (m_bModified && AskToSave() == IDCANCEL) {
        return;
    }
    // Cleared before the dialog shows, so it stays clear when the dialog is cancelled.
    SetUnmodified();
    CFileDialogEx dlg(true, L"pal", InitialOpenPath(m_strPathName), kOpenFlags, kPaletteFilter,
                      this, 0, false, SharedFolderAvailable());
    if (dlg.DoModal() != IDOK || dlg.GetPathName().empty()) {
        return;
    }
    OpenPaletteFile(dlg.GetPathName());
}

void CTintoraDlg::OpenFromOutside(const CString& path) {
    if (m_bModified && AskToSave() == IDCANCEL) {
        return;
    }
    SetUnmodified();
    OpenPaletteFile(path);
}

void CTintoraDlg::OpenPaletteFile(const CString& path) {
    m_strPathName = path;
    // Remembered before reading, so a file that fails to read is still proposed next time.
    WriteProfileString(L"Tintora", L"File", m_strPathName);
    DiscardPaletteList(m_pPaletteList);
    m_pPaletteList = nullptr;
    m_pCurrentPalette = nullptr;
    m_undoStack.clear();

    // A file left half-written by a save that was killed is put back as it was by the read;
    // the user should know that the last save did not happen.
    bool putBack = false;
    RecoveryNotice previous =
        SetRecoveryNotice([&putBack](const CString& /*file*/) { putBack = true; });
    PaletteReadResult result = ReadPaletteFile(m_strPathName);
    SetRecoveryNotice(std::move(previous));
    if (putBack) {
        XMessageBox(GetSafeHwnd(),
                    L"" QT_TRANSLATE_NOOP("Tintora",
                                          "A save of this palette file was interrupted. The "
                                          "file has been put back as it was before that save."),
                    L"" QT_TRANSLATE_NOOP("Tintora", "Info"), MB_ICONEXCLAMATION, nullptr);
    }
    if (result.status == PaletteReadStatus::Ok && result.list->Count() == 0) {
        // Names listed but no palette readable: there is nothing to make current, which is
        // as good as no names at all.
        DiscardPaletteList(result.list);
        result = {PaletteReadStatus::NoNames, nullptr, {}, {}};
    }
    if (result.status == PaletteReadStatus::Ok) {
        m_pPaletteList = result.list;
        SetCurrentPalette(0);
        ShowFileInCaption();
        // The version read, not the one on disk now: a change made while the file was read
        // must still count as another program's.
        m_diskVersion = {m_strPathName, result.stamp};
    } else {
        XMessageBox(GetSafeHwnd(), ReadFailureText(result).c_str(),
                    L"" QT_TRANSLATE_NOOP("Tintora", "Error"), MB_ICONEXCLAMATION, nullptr);
        // The caption keeps naming the previous file.
        m_strPathName.clear();
        SetUnmodified();
        LoadDefaultPalette();
    }
    Invalidate();
}

void CTintoraDlg::OnFileSave() {
    if (m_pPaletteList == nullptr) {
        return;
    }
    if (m_strPathName.empty()) {
        OnFileSaveAs();
        return;
    }
    if (!m_bModified) {
        XMessageBox(GetSafeHwnd(),
                    L"" QT_TRANSLATE_NOOP("Tintora", "Palette has not been changed !"),
                    L"" QT_TRANSLATE_NOOP("Tintora", "Info"), MB_ICONEXCLAMATION, nullptr);
        return;
    }
    if (!MayReplaceFileOnDisk()) {
        return; // still modified: the other program's file stays
    }
    if (std::string cause; !WritePaletteFile(m_strPathName, *m_pPaletteList, &cause)) {
        XMessageBox(
            GetSafeHwnd(),
            WithCause(L"" QT_TRANSLATE_NOOP("Tintora", "Failed to open palette file for writing"),
                      cause)
                .c_str(),
            L"" QT_TRANSLATE_NOOP("Tintora", "Error"), MB_ICONEXCLAMATION, nullptr);
        return; // still modified: nothing was saved
    }
    m_diskVersion = {m_strPathName, StampOf(m_strPathName)};
    SetUnmodified();
    XMessageBox(GetSafeHwnd(), L"" QT_TRANSLATE_NOOP("Tintora", "Palette file has been saved"),
                L"" QT_TRANSLATE_NOOP("Tintora", "Info"), MB_ICONEXCLAMATION, nullptr);
}

bool CTintoraDlg::MayReplaceFileOnDisk() {
    // Only the file this window read or wrote itself can have been changed behind its back;
    // a name chosen in Save As was confirmed there.
    if (m_diskVersion.path != m_strPathName || StampOf(m_strPathName) == m_diskVersion.stamp) {
        return true;
    }
    return XMessageBox(GetSafeHwnd(),
                       L"" QT_TRANSLATE_NOOP("Tintora",
                                             "The palette file has been changed by another "
                                             "program since it was opened or saved.\nReplace it "
                                             "with the palette shown in Tintora?"),
                       L"" QT_TRANSLATE_NOOP("Tintora", "Save"), MB_YESNO | MB_ICONQUESTION,
                       nullptr) == IDYES;
}

void CTintoraDlg::OnFileSaveAs() {
    CFileDialogEx dlg(false, L"pal", CString(), kSaveAsFlags, kPaletteFilter, this, 0, false,
                      SharedFolderAvailable());
    // An empty name would send the save straight back here.
    if (dlg.DoModal() != IDOK || dlg.GetPathName().empty()) {
        return;
    }
    m_strPathName = dlg.GetPathName();
    // A new name is always written, changed or not.
    ForceModified();
    OnFileSave();
    ShowFileInCaption();
}

void CTintoraDlg::OnExit() {
    const int answer = m_bModified ? AskToSave() : IDNO;
    if (answer == IDCANCEL) {
        return;
    }
    // Saved, or given up after the question. Only a save that failed leaves the work
    // modified, and then closing keeps its copy.
    if (answer == IDNO || !m_bModified) {
        m_recovery.Stop();
    }
    OnOK();
}
