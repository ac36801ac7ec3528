// CTintoraDlg: the history of changes. The document operations the undo commands call, the
// Undo and Redo items of the Edit menu, and the modified flag kept in step with the history:
// back at the state last opened or saved, the palette counts as unchanged again.
#include <QAction>
#include <QCoreApplication>

#include "editor/tintora_dlg.h"
#include "platform/qt_text.h"
#include "platform/translation.h"
#include "resources/resource.h"
#include "shared/translatable.h"

void CTintoraDlg::ConnectHistory() {
    connect(&m_undoStack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { m_bModified = !clean; });
    connect(&m_undoStack, &QUndoStack::indexChanged, this, [this]() { UpdateHistoryItems(); });
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, [this]() { UpdateHistoryItems(); });
}

void CTintoraDlg::SetUnmodified() {
    m_bModified = false;
    m_undoStack.setClean();
    // Saved, or left after the question: the copy of the work has served.
    m_recovery.Discard();
}

void CTintoraDlg::ForceModified() {
    m_bModified = true;
    // No state of the history is the one on disk now.
    m_undoStack.resetClean();
}

void CTintoraDlg::UpdateHistoryItems() {
    const struct {
        int id;
        const char* verb;
        bool can;
        QString text;
    } items[] = {
        {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Tintora", "&Undo"), m_undoStack.canUndo(),
         m_undoStack.undoText()},
        {ID_EDIT_REDO, QT_TRANSLATE_NOOP("Tintora", "R&edo"), m_undoStack.canRedo(),
         m_undoStack.redoText()},
    };
    for (const auto& item : items) {
        if (QAction* action = GetMenuItem(item.id)) {
            const QString verb = Translated(QString::fromLatin1(item.verb));
            // The verb and what it takes back: "Undo Pen 7 Colour".
            const QString both =
                QCoreApplication::translate("Tintora", "%1 %2").arg(verb, item.text);
            action->setText(item.can ? both : verb);
            action->setEnabled(item.can);
        }
    }
}

void CTintoraDlg::OnEditUndo() {
    m_undoStack.undo();
}

void CTintoraDlg::OnEditRedo() {
    m_undoStack.redo();
}

int CTintoraDlg::CurrentPaletteIndex() const {
    return m_pPaletteList->Index(m_pCurrentPalette);
}

std::vector<PaletteCopy> CTintoraDlg::CopyPalettes() const {
    std::vector<PaletteCopy> copies;
    for (UI_ELEMENT* element = m_pPaletteList->First(); element != nullptr;
         element = element->Next()) {
        copies.push_back(PaletteCopy::Of(*static_cast<PaletteEntry*>(element)));
    }
    return copies;
}

void CTintoraDlg::StorePenColour(int palette, int variant, int pen, COLORREF colour) {
    PaletteEntry* entry = PaletteAt(*m_pPaletteList, palette);
    if (entry == nullptr) {
        return;
    }
    entry->m_Colours[static_cast<std::size_t>(variant)][static_cast<std::size_t>(pen)] = colour;
    // Undo and redo show the change where it was made: that palette, background and pen.
    if (entry != m_pCurrentPalette) {
        SetCurrentPalette(palette);
    }
    if (variant != m_nBackground) {
        m_nBackground = variant;
        CheckRadioButton(IDC_LIGHT_BACKGROUND, IDC_DARK_BACKGROUND, IDC_LIGHT_BACKGROUND + variant);
    }
    if (pen != 0 && pen != m_nSelectedPen) {
        SelectPen(pen);
    }
    Invalidate();
}

void CTintoraDlg::StoreVariantColours(int palette, int variant, const PenColours& colours) {
    PaletteEntry* entry = PaletteAt(*m_pPaletteList, palette);
    if (entry == nullptr) {
        return;
    }
    entry->m_Colours[static_cast<std::size_t>(variant)] = colours;
    // Shown where it was made, on the background whose colours changed; the selected pen
    // stays, unless the palette changes.
    if (entry != m_pCurrentPalette) {
        SetCurrentPalette(palette);
    }
    if (variant != m_nBackground) {
        m_nBackground = variant;
        CheckRadioButton(IDC_LIGHT_BACKGROUND, IDC_DARK_BACKGROUND, IDC_LIGHT_BACKGROUND + variant);
    }
    Invalidate();
}

void CTintoraDlg::StorePaletteTexts(int palette, const CString& name, const CString& description) {
    PaletteEntry* entry = PaletteAt(*m_pPaletteList, palette);
    if (entry == nullptr) {
        return;
    }
    entry->m_Name = name;
    entry->m_Description = description;
    if (entry == m_pCurrentPalette) {
        // No colour changed: the label is all there is to refresh.
        SetPaletteLabel();
        return;
    }
    SetCurrentPalette(palette);
    Invalidate();
}

void CTintoraDlg::RestorePalettes(const std::vector<PaletteCopy>& palettes, int current) {
    m_pCurrentPalette = nullptr;
    m_pPaletteList->Destroy();
    for (const PaletteCopy& palette : palettes) {
        m_pPaletteList->Add(palette.NewEntry());
    }
    SetCurrentPalette(current);
    Invalidate();
}

void CTintoraDlg::AppendPalettes(const std::vector<PaletteCopy>& palettes) {
    const int first = static_cast<int>(m_pPaletteList->Count());
    for (const PaletteCopy& palette : palettes) {
        m_pPaletteList->Add(palette.NewEntry());
    }
    SetCurrentPalette(first);
    Invalidate();
}

void CTintoraDlg::RemoveLastPalettes(int count, int current) {
    for (int i = 0; i < count && m_pPaletteList->Last() != nullptr; ++i) {
        UI_ELEMENT* last = m_pPaletteList->Last();
        if (last == m_pCurrentPalette) {
            m_pCurrentPalette = nullptr;
        }
        delete m_pPaletteList->Subtract(last);
    }
    SetCurrentPalette(current);
    Invalidate();
}
