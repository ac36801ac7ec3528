// CTintoraDlg: the import of the older product's colour table as a new palette "Veldra 3".
#include <memory>

#include "editor/tintora_dlg.h"
#include "filedialog/file_dialog.h"
#include "files/legacy_colour_table.h"
#include "platform/profile.h"
#include "shared/paths.h"
#include "shared/translatable.h"

namespace {

constexpr std::size_t kPathCapacity = 260;

// The INI file the import proposes: the one imported last, else the guest user's file under
// the documents folder.
CString InitialImportPath() {
    wchar_t fallback[kPathCapacity] = {};
    coreDocumentFilePath(fallback, kPathCapacity, L"Users\\Guest\\CAD.ini");
    CString remembered = GetProfileString(L"Tintora", L"Import");
    return remembered.empty() ? CString(fallback) : remembered;
}

} // namespace

void CTintoraDlg::OnImport() {
    if (m_bModified) {
        // The import only adds a palette, so even Cancel goes on with it.
        AskToSave();
    }
    // The plain dialog: the folder shortcuts belong to the palette files.
    CFileDialog dlg(true, L"ini", InitialImportPath(), OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                    L"" QT_TRANSLATE_NOOP("Tintora", "Veldra 3.x (*.ini)") "|*.ini||", this, 0,
                    false);
    if (dlg.DoModal() != IDOK || dlg.GetPathName().empty()) {
        return;
    }
    const CString path = dlg.GetPathName();
    // Remembered before reading, so even a useless file is proposed next time.
    WriteProfileString(L"Tintora", L"Import", path);

    const std::unique_ptr<PaletteEntry> imported(NewLegacyPalette(path));
    m_undoStack.push(
        new AppendPalettesCommand(*this, L"" QT_TRANSLATE_NOOP("Tintora", "Import Veldra 3.x"),
                                  {PaletteCopy::Of(*imported)}));
    m_bModified = true;
    Invalidate();
}
