// CTintoraDlg: the exchange of palettes with other tools. Import Palette appends the
// palettes of a file in any format Tintora reads (a .pal file by its content: JASC, RIFF or
// our own); Export Palette writes the current palette, in the shown variant, in the format
// of the file dialog's filter.
#include <QFileDialog>
#include <QString>
#include <array>
#include <cerrno>
#include <cstdio>

#include "editor/tintora_dlg.h"
#include "filedialog/file_dialog_ex.h"
#include "files/formats/foreign_palettes.h"
#include "files/palette_file.h"
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
constexpr std::array<ExchangeFormat, 8> kExportFormats = {{
    {PaletteFormat::Gpl, L"gpl"},
    {PaletteFormat::Hex, L"hex"},
    {PaletteFormat::Css, L"css"},
    {PaletteFormat::Json, L"json"},
    {PaletteFormat::Ase, L"ase"},
    {PaletteFormat::Aco, L"aco"},
    {PaletteFormat::Jasc, L"pal"},
    {PaletteFormat::Riff, L"pal"},
}};

// The descriptions are marked one by one: the file dialog translates each on its own.
// clang-format off
const wchar_t kImportFilter[] =
    L"" QT_TRANSLATE_NOOP("Tintora", "Palettes of other tools (*.gpl;*.hex;*.json;*.css;*.ase;*.aco;*.pal)")
    L"|*.gpl;*.hex;*.json;*.css;*.ase;*.aco;*.pal|"
    L"" QT_TRANSLATE_NOOP("Tintora", "GIMP Palette (*.gpl)") L"|*.gpl|"
    L"" QT_TRANSLATE_NOOP("Tintora", "Hex colour list (*.hex)") L"|*.hex|"
    L"" QT_TRANSLATE_NOOP("Tintora", "JSON palettes (*.json)") L"|*.json|"
    L"" QT_TRANSLATE_NOOP("Tintora", "CSS custom properties (*.css)") L"|*.css|"
    L"" QT_TRANSLATE_NOOP("Tintora", "Adobe Swatch Exchange (*.ase)") L"|*.ase|"
    L"" QT_TRANSLATE_NOOP("Tintora", "Photoshop swatches (*.aco)") L"|*.aco|"
    L"" QT_TRANSLATE_NOOP("Tintora", "JASC, RIFF or Tintora palettes (*.pal)") L"|*.pal||";
const wchar_t kExportFilter[] =
    L"" QT_TRANSLATE_NOOP("Tintora", "GIMP Palette (*.gpl)") L"|*.gpl|"
    L"" QT_TRANSLATE_NOOP("Tintora", "Hex colour list (*.hex)") L"|*.hex|"
    L"" QT_TRANSLATE_NOOP("Tintora", "CSS custom properties (*.css)") L"|*.css|"
    L"" QT_TRANSLATE_NOOP("Tintora", "JSON palettes (*.json)") L"|*.json|"
    L"" QT_TRANSLATE_NOOP("Tintora", "Adobe Swatch Exchange (*.ase)") L"|*.ase|"
    L"" QT_TRANSLATE_NOOP("Tintora", "Photoshop swatches (*.aco)") L"|*.aco|"
    L"" QT_TRANSLATE_NOOP("Tintora", "JASC palette (*.pal)") L"|*.pal|"
    L"" QT_TRANSLATE_NOOP("Tintora", "RIFF palette (*.pal)") L"|*.pal||";
// clang-format on

// Without a shared folder of its own the site's shared folder is the user's.
bool SharedFolderAvailable() {
    return ToQString(coreGetSharedAppPath())
               .compare(ToQString(coreGetUserAppPath()), Qt::CaseInsensitive) != 0;
}

// The palettes of a palette file of our own, as Import takes them.
FormatReadResult ReadOwnPaletteFile(const CString& path) {
    FormatReadResult result;
    const PaletteReadResult read = ReadPaletteFile(path);
    if (read.status != PaletteReadStatus::Ok) {
        result.error = read.status == PaletteReadStatus::OpenFailed ? read.reason
                       : read.status == PaletteReadStatus::NoNames
                           ? QT_TRANSLATE_NOOP("Tintora", "the file names no palette")
                           : QT_TRANSLATE_NOOP("Tintora", "the file names too many palettes");
        return result;
    }
    const std::unique_ptr<UI_LIST> list(read.list);
    while (UI_ELEMENT* palette = list->First()) {
        result.palettes.emplace_back(static_cast<PaletteEntry*>(list->Subtract(palette)));
    }
    return result;
}

// The palettes of the file at path, or an error that says what went wrong where.
FormatReadResult ReadImportFile(const CString& path) {
    const std::string utf8Path = ToUtf8(path);
    std::optional<PaletteFormat> format = FormatFromPath(utf8Path);
    FormatReadResult result;
    if (!format) {
        result.error =
            QT_TRANSLATE_NOOP("Tintora", "the file's extension names no palette format Tintora "
                                         "reads");
        return result;
    }
    std::FILE* file = OpenForReading(path, &result.error);
    if (file == nullptr) {
        return result;
    }
    if (format == PaletteFormat::Pal) {
        // Which of the .pal formats the file holds, its first bytes tell; then the reader
        // starts from the first byte again.
        std::array<char, 16> start{};
        format = PalFormatOf(
            std::string_view(start.data(), std::fread(start.data(), 1, start.size(), file)));
        if (format == PaletteFormat::Pal) {
            std::fclose(file);
            return ReadOwnPaletteFile(path);
        }
        if (std::fseek(file, 0, SEEK_SET) != 0) {
            result.error = SystemErrorText(errno);
            std::fclose(file);
            return result;
        }
    }
    // Read as it comes: however large the file, only what the palettes need is kept.
    result = ReadForeignPalettes(*format, SourceOf(file), TextFromFileName(StemOf(utf8Path)));
    if (std::ferror(file) != 0) {
        result.palettes.clear();
        result.error = SystemErrorText(errno);
    }
    std::fclose(file);
    return result;
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
        // The reasons named here translate; the system's come in the user's language already.
        const CString reason =
            result.Ok()
                ? TranslatedText(L"" QT_TRANSLATE_NOOP("Tintora", "the file holds no palette"))
                : TranslatedText(FromUtf8(result.error));

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
    const bool written = file.IsOpen() &&
                         WriteForeignPalette(
                             format, *m_pCurrentPalette, m_nBackground,
                             [&file](std::string_view bytes) { return file.Write(bytes); },
                             FromUtf8(StemOf(ToUtf8(path)))) &&
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
