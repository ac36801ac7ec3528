// The undoable changes of the editor's document.
#include "editor/document_commands.h"

#include <QCoreApplication>
#include <utility>

#include "platform/qt_text.h"
#include "platform/translation.h"

namespace {

QString PenColourText(int pen) {
    return pen == 0 ? QCoreApplication::translate("Tintora", "Marker Pen Colour")
                    : QCoreApplication::translate("Tintora", "Pen %1 Colour").arg(pen);
}

} // namespace

PaletteCopy PaletteCopy::Of(const PaletteEntry& entry) {
    return {entry.m_Name, entry.m_Description, entry.m_Colours};
}

PaletteEntry* PaletteCopy::NewEntry() const {
    auto* entry = new PaletteEntry;
    entry->m_Name = name;
    entry->m_Description = description;
    entry->m_Colours = colours;
    return entry;
}

PenColourCommand::PenColourCommand(PaletteDocument& document, int variant, int pen, COLORREF before,
                                   COLORREF after)
    : QUndoCommand(PenColourText(pen)), m_document(document),
      m_nPalette(document.CurrentPaletteIndex()), m_nVariant(variant), m_nPen(pen),
      m_before(before), m_after(after) {}

void PenColourCommand::undo() {
    m_document.StorePenColour(m_nPalette, m_nVariant, m_nPen, m_before);
}

void PenColourCommand::redo() {
    m_document.StorePenColour(m_nPalette, m_nVariant, m_nPen, m_after);
}

VariantColoursCommand::VariantColoursCommand(PaletteDocument& document, const CString& text,
                                             int variant,
                                             const std::array<COLORREF, kPenCount>& before,
                                             const std::array<COLORREF, kPenCount>& after)
    : QUndoCommand(Translated(ToQString(text))), m_document(document),
      m_nPalette(document.CurrentPaletteIndex()), m_nVariant(variant), m_before(before),
      m_after(after) {}

void VariantColoursCommand::undo() {
    m_document.StoreVariantColours(m_nPalette, m_nVariant, m_before);
}

void VariantColoursCommand::redo() {
    m_document.StoreVariantColours(m_nPalette, m_nVariant, m_after);
}

PaletteTextsCommand::PaletteTextsCommand(PaletteDocument& document, std::array<CString, 2> before,
                                         std::array<CString, 2> after)
    : QUndoCommand(QCoreApplication::translate("Tintora", "Rename Palette")), m_document(document),
      m_nPalette(document.CurrentPaletteIndex()), m_before(std::move(before)),
      m_after(std::move(after)) {}

void PaletteTextsCommand::undo() {
    m_document.StorePaletteTexts(m_nPalette, m_before[0], m_before[1]);
}

void PaletteTextsCommand::redo() {
    m_document.StorePaletteTexts(m_nPalette, m_after[0], m_after[1]);
}

AppendPalettesCommand::AppendPalettesCommand(PaletteDocument& document, const CString& text,
                                             std::vector<PaletteCopy> palettes)
    : QUndoCommand(Translated(ToQString(text))), m_document(document),
      m_palettes(std::move(palettes)), m_nCurrentBefore(document.CurrentPaletteIndex()) {}

void AppendPalettesCommand::undo() {
    m_document.RemoveLastPalettes(static_cast<int>(m_palettes.size()), m_nCurrentBefore);
}

void AppendPalettesCommand::redo() {
    m_document.AppendPalettes(m_palettes);
}

ReplacePalettesCommand::ReplacePalettesCommand(PaletteDocument& document, const CString& text,
                                               std::vector<PaletteCopy> after, int currentAfter)
    : QUndoCommand(Translated(ToQString(text))), m_document(document),
      m_before(document.CopyPalettes()), m_after(std::move(after)),
      m_nCurrentBefore(document.CurrentPaletteIndex()), m_nCurrentAfter(currentAfter) {}

void ReplacePalettesCommand::undo() {
    m_document.RestorePalettes(m_before, m_nCurrentBefore);
}

void ReplacePalettesCommand::redo() {
    m_document.RestorePalettes(m_after, m_nCurrentAfter);
}
