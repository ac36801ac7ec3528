// CTintoraDlg: the exchange of palettes with other tools. Import Palette appends the
// palettes of a GIMP palette, a hex list or a JSON file; Export Palette writes the current
// palette, in the shown variant, in the format of the file dialog's filter.
#include <QFileDialog>
#include <QString>
#include <array>

#include "editor/tintora_dlg.h"
#include "filedialog/file_dialog_ex.h"
#include "files/formats/foreign_palettes.h"
#include "platform/format_text.h"
#include "platform/qt_text.h"
#include "platform/translation.h"
#include "shared/file_io.h"
#include "shared/paths.h"
#include "shared/text_encoding.h"
#include "shared/translatable.h"
#include "shared/xmessagebox.h"

namespace {

struct ExchangeFormat {
    PaletteFormat format;
    const wchar_t* extension;
};

// In the order of the export dialog's filter.
constexpr std::array<ExchangeFormat, 4> kExportFormats = {{
    {PaletteFormat::Gpl, L"gpl"},
    {PaletteFormat::Hex, L"hex"},
    {PaletteFormat::Css, L"css"},
    {PaletteFormat::Json, L"json"},
}};

// The descriptions are marked one by one: the file dialog translates each on its own.
const wchar_t kImportFilter[] =
    L"" QT_TRANSLATE_NOOP(
        "Tintora", "Palettes of other tools "
                   "(*.gpl;*.hex;*.json)") "|*.gpl;*.hex;*."
                                           "json"
                                           "|" QT_TRANSLATE_NOOP("Tintora", "GIMP Palette (*.gpl)") "|*.gpl|" QT_TRANSLATE_NOOP(
                                               "Tintora",
                                               "Hex colour "
                                               "list (*.hex)") "|*.hex|" QT_TRANSLATE_NOOP("Tintor"
                                                                                           "a",
                                                                                           "JSON "
                                                                                           "palette"
                                                                                           "s "
                                                                                           "(*."
                                                                                           "json)") "|*.json||";
const wchar_t kExportFilter[] =
    L"" QT_TRANSLATE_NOOP("Tintora", "GIMP Palette (*.gpl)") "|*.gpl|" QT_TRANSLATE_NOOP(
        "Tintora",
        "Hex colour list (*.hex)") "|*.hex|" QT_TRANSLATE_NOOP("Tintora",
                                                               "CSS custom properties "
                                                               "(*.css)") "|*."
                                                                          "css"
                                                                          "|" QT_TRANSLATE_NOOP(
                                                                              "Tintora",
                                                                              "JSON palettes "
                                                                              "(*.json)") "|*.json|"
                                                                                          "|";

// Without a shared folder of its own the site's shared folder is the user's.
bool SharedFolderAvailable() {
    return ToQString(coreGetSharedAppPath())
               .compare(ToQString(coreGetUserAppPath()), Qt::CaseInsensitive) != 0;
}

// The palettes of the file at path, or an error that says what went wrong where.
FormatReadResult ReadImportFile(const CString& path) {
    const std::string utf8Path = ToUtf8(path);
    const std::optional<PaletteFormat> format = FormatFromPath(utf8Path);
    FormatReadResult result;
    if (format != PaletteFormat::Gpl && format != PaletteFormat::Hex &&
        format != PaletteFormat::Json) {
        result.error = "the file is not a .gpl, .hex or .json file";
        return result;
    }
    const std::optional<std::string> bytes = ReadFileBytes(path, &result.error);
    if (!bytes) {
        return result;
    }
    return ReadForeignPalettes(*format, *bytes, FromUtf8(StemOf(utf8Path)));
}

} // namespace

void CTintoraDlg::AppendImportedPalettes(PaletteVector palettes) {
    std::vector<PaletteCopy> copies;
    copies.reserve(palettes.size());
    for (const auto& palette : palettes) {
        copies.push_back(PaletteCopy::Of(*palette));
    }
    // However many palettes the file held, one undo takes them all back.
    m_undoStack.push(new AppendPalettesCommand(
        *this, L"" QT_TRANSLATE_NOOP("Tintora", "Import Palette"), std::move(copies)));
    m_bModified = true;
    Invalidate();
}

void CTintoraDlg::OnImportPalette() {
    CFileDialogEx dlg(true, L"gpl", CString(), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kImportFilter,
                      this, 0, false, SharedFolderAvailable());
    if (dlg.DoModal() != IDOK || dlg.GetPathName().empty()) {
        return;
    }
    const CString path = dlg.GetPathName();
    FormatReadResult result = ReadImportFile(path);
    const CString file = coreExtractFileName(path);
    if (!result.Ok() || result.palettes.empty()) {
        const CString reason =
            result.Ok()
                ? TranslatedText(L"" QT_TRANSLATE_NOOP("Tintora", "the file holds no palette"))
                : FromUtf8(result.error);
        const CString text =
            FormatText(L"" QT_TRANSLATE_NOOP("Tintora", "Failed to import %ls: %ls"), file.c_str(),
                       reason.c_str());
        XMessageBox(GetSafeHwnd(), text.c_str(), L"" QT_TRANSLATE_NOOP("Tintora", "Error"),
                    MB_ICONEXCLAMATION, nullptr);
        return;
    }
    AppendImportedPalettes(std::move(result.palettes));
    if (!result.warnings.empty()) {
        CString notes = file + L":";
        for (const std::string& warning : result.warnings) {
            notes += L"\n" + FromUtf8(warning);
        }
        XMessageBox(GetSafeHwnd(), notes.c_str(), L"" QT_TRANSLATE_NOOP("Tintora", "Info"),
                    MB_ICONEXCLAMATION, nullptr);
    }
}

void CTintoraDlg::OnExportPalette() {
    if (m_pCurrentPalette == nullptr) {
        return;
    }
    CFileDialogEx dlg(false, kExportFormats[0].extension, CString(),
                      OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, kExportFilter, this, 0, false,
                      SharedFolderAvailable());
    // The typed name gets the extension of the chosen format.
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg](const QString& filter) {
        const qsizetype index = dlg.nameFilters().indexOf(filter);
        if (index >= 0 && index < static_cast<qsizetype>(kExportFormats.size())) {
            dlg.setDefaultSuffix(
                ToQString(kExportFormats[static_cast<std::size_t>(index)].extension));
        }
    });
    if (dlg.DoModal() != IDOK || dlg.GetPathName().empty()) {
        return;
    }
    const qsizetype index = dlg.nameFilters().indexOf(dlg.selectedNameFilter());
    const PaletteFormat format =
        kExportFormats[static_cast<std::size_t>(std::max<qsizetype>(index, 0))].format;
    const CString path = dlg.GetPathName();
    SafeFileWriter file(path);
    const bool written =
        file.IsOpen() &&
        WriteForeignPalette(format, *m_pCurrentPalette, m_nBackground,
                            [&file](std::string_view bytes) { return file.Write(bytes); }) &&
        file.Commit();
    if (!written) {
        // The writer's own reason follows, as it does for the other file commands.
        const CString reason =
            file.Error().empty()
                ? TranslatedText(L"" QT_TRANSLATE_NOOP("Tintora", "the palette cannot be made"))
                : FromUtf8(file.Error());
        const CString text =
            FormatText(L"" QT_TRANSLATE_NOOP("Tintora", "Failed to write %ls\n%ls"),
                       coreExtractFileName(path).c_str(), reason.c_str());
        XMessageBox(GetSafeHwnd(), text.c_str(), L"" QT_TRANSLATE_NOOP("Tintora", "Error"),
                    MB_ICONEXCLAMATION, nullptr);
    }
}
