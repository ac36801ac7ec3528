// The editor's undoable changes. Each command calls one operation of the document (the
// editor window), the same one the command's handler used to call directly, so a change
// looks the same whether it is made, undone or redone. Nothing here knows the window.
//
//   m_undoStack.push(new AppendPalettesCommand(*this, L"Import Palettes", palettes));
//   m_undoStack.push(new ReplacePalettesCommand(*this, L"Sort Palettes", sorted, 0));
//   m_undoStack.push(new VariantColoursCommand(*this, L"Derive Dark Colours", 1, old, new));
#pragma once

#include <QUndoCommand>
#include <array>
#include <vector>

#include "model/palette_entry.h"

// A palette's contents, apart from any list.
struct PaletteCopy {
    CString name;
    CString description;
    std::array<std::array<COLORREF, kPenCount>, 2> colours{};

    static PaletteCopy Of(const PaletteEntry& entry);
    // A new entry holding the copy; the caller owns it.
    PaletteEntry* NewEntry() const;
};

// What the commands change; positions count from 0 in the palette list. Each operation
// also shows what it changed (the palette current, the window repainted).
class PaletteDocument {
public:
    virtual int CurrentPaletteIndex() const = 0;
    virtual void StorePenColour(int palette, int variant, int pen, COLORREF colour) = 0;
    virtual void StorePaletteTexts(int palette, const CString& name,
                                   const CString& description) = 0;
    // Every colour of one variant of a palette at once.
    virtual void StoreVariantColours(int palette, int variant,
                                     const std::array<COLORREF, kPenCount>& colours) = 0;
    virtual std::vector<PaletteCopy> CopyPalettes() const = 0;
    // Replaces every palette of the list; current becomes the current one.
    virtual void RestorePalettes(const std::vector<PaletteCopy>& palettes, int current) = 0;
    // Appends palettes; the first of them becomes current.
    virtual void AppendPalettes(const std::vector<PaletteCopy>& palettes) = 0;
    // Removes the last count palettes; current becomes the current one.
    virtual void RemoveLastPalettes(int count, int current) = 0;

protected:
    ~PaletteDocument() = default;
};

// One pen's colour in one variant of one palette. Named "Pen N Colour".
class PenColourCommand : public QUndoCommand {
public:
    PenColourCommand(PaletteDocument& document, int variant, int pen, COLORREF before,
                     COLORREF after);
    void undo() override;
    void redo() override;

private:
    PaletteDocument& m_document;
    int m_nPalette;
    int m_nVariant;
    int m_nPen;
    COLORREF m_before;
    COLORREF m_after;
};

// All the colours of one variant of the current palette (Derive Dark Colours, say).
class VariantColoursCommand : public QUndoCommand {
public:
    VariantColoursCommand(PaletteDocument& document, const CString& text, int variant,
                          const std::array<COLORREF, kPenCount>& before,
                          const std::array<COLORREF, kPenCount>& after);
    void undo() override;
    void redo() override;

private:
    PaletteDocument& m_document;
    int m_nPalette;
    int m_nVariant;
    std::array<COLORREF, kPenCount> m_before;
    std::array<COLORREF, kPenCount> m_after;
};

// The current palette's name and description.
class PaletteTextsCommand : public QUndoCommand {
public:
    // before and after: name, then description.
    PaletteTextsCommand(PaletteDocument& document, std::array<CString, 2> before,
                        std::array<CString, 2> after);
    void undo() override;
    void redo() override;

private:
    PaletteDocument& m_document;
    int m_nPalette;
    std::array<CString, 2> m_before;
    std::array<CString, 2> m_after;
};

// New palettes at the end of the list (Add, imports).
class AppendPalettesCommand : public QUndoCommand {
public:
    AppendPalettesCommand(PaletteDocument& document, const CString& text,
                          std::vector<PaletteCopy> palettes);
    void undo() override;
    void redo() override;

private:
    PaletteDocument& m_document;
    std::vector<PaletteCopy> m_palettes;
    int m_nCurrentBefore;
};

// Any change of the list as a whole: the palettes before and after, and which is current.
class ReplacePalettesCommand : public QUndoCommand {
public:
    ReplacePalettesCommand(PaletteDocument& document, const CString& text,
                           std::vector<PaletteCopy> after, int currentAfter);
    void undo() override;
    void redo() override;

private:
    PaletteDocument& m_document;
    std::vector<PaletteCopy> m_before;
    std::vector<PaletteCopy> m_after;
    int m_nCurrentBefore;
    int m_nCurrentAfter;
};
