// CTintoraDlg: the copy of unsaved work. The history tells the keeper when the document
// changed, closing the window keeps it, and the next start offers it back.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>

#include "editor/tintora_dlg.h"
#include "files/palette_file.h"
#include "platform/qt_text.h"
#include "platform/translation.h"
#include "shared/text_encoding.h"
#include "shared/translatable.h"
#include "shared/xmessagebox.h"

namespace {

CString OfferText(const RecoveryCopy& copy) {
    const QString file = copy.documentPath.empty()
                             ? QCoreApplication::translate("Tintora", "a new palette file")
                             : QDir::toNativeSeparators(ToQString(copy.documentPath));
    const QString date =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(copy.savedAt), QLocale::ShortFormat);
    return FromQString(QCoreApplication::translate(
                           "Tintora", "Tintora was closed with unsaved changes to %1 on %2.\n\n"
                                      "Recover them?")
                           .arg(file, date));
}

} // namespace

RecoveryKeeper::Document CTintoraDlg::RecoveryDocument() const {
    // The version on disk is only known for the file this window read or wrote.
    const bool known = m_diskVersion.path == m_strPathName;
    return {m_bModified, m_pPaletteList, m_strPathName, known ? m_diskVersion.stamp : std::nullopt};
}

void CTintoraDlg::ConnectRecovery() {
    // indexChanged comes before cleanChanged, so the history itself says whether the
    // document is now modified.
    connect(&m_undoStack, &QUndoStack::indexChanged, this, [this]() {
        if (!m_undoStack.isClean()) {
            m_recovery.Changed();
        }
    });
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean) {
            m_recovery.Discard(); // undone back to what is on disk
        }
    });
    // However the window ends (close box, Esc, Enter), the work it held is kept.
    connect(this, &QDialog::finished, this, [this]() { m_recovery.KeepNow(); });
}

bool CTintoraDlg::OfferRecovery(const CString& startFile) {
    std::vector<RecoveryCopy> copies = FindRecoveryCopies(RecoveryFolder());
    if (!startFile.empty()) {
        // The file named at start is what the user came for; other work waits.
        std::erase_if(copies, [&](const RecoveryCopy& c) { return c.documentPath != startFile; });
    }
    for (const RecoveryCopy& copy : copies) {
        std::unique_ptr<QLockFile> lock = RecoveryKeeper::LockNote(copy.notePath);
        if (!lock) {
            continue; // still open in another Tintora
        }
        const int answer = XMessageBox(GetSafeHwnd(), OfferText(copy).c_str(),
                                       L"" QT_TRANSLATE_NOOP("Tintora", "Recover"),
                                       MB_YESNO | MB_ICONQUESTION, nullptr);
        lock.reset(); // the window takes it over
        if (answer == IDYES && OpenRecovered(copy)) {
            return true;
        }
        RemoveRecoveryCopy(copy);
    }
    return false;
}

bool CTintoraDlg::OpenRecovered(const RecoveryCopy& copy) {
    PaletteReadResult result = ReadPaletteFile(copy.palettesPath);
    if (result.status != PaletteReadStatus::Ok || result.list->Count() == 0) {
        DiscardPaletteList(result.list);
        CString text = TranslatedText(
            L"" QT_TRANSLATE_NOOP("Tintora", "The recovered palettes could not be read."));
        if (!result.reason.empty()) {
            text += L"\n" + FromUtf8(result.reason);
        }
        XMessageBox(GetSafeHwnd(), text.c_str(), L"" QT_TRANSLATE_NOOP("Tintora", "Error"),
                    MB_ICONEXCLAMATION, nullptr);
        return false;
    }
    DiscardPaletteList(m_pPaletteList);
    m_pCurrentPalette = nullptr;
    m_undoStack.clear();
    m_pPaletteList = result.list;
    m_strPathName = copy.documentPath;
    SetCurrentPalette(0);
    if (m_strPathName.empty()) {
        SetWindowText(TranslatedText(L"" QT_TRANSLATE_NOOP("Tintora", "Tintora")));
    } else {
        ShowFileInCaption();
    }
    // Save then notices a change another program made to the file since the work began.
    m_diskVersion = {m_strPathName, copy.diskStamp};
    ForceModified();
    m_recovery.Adopt(copy);
    Invalidate();
    return true;
}
