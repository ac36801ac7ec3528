// CTintoraDlg: the editor window. It holds the document (the palette list, the current
// palette, the selected pen, the background variant, the modified flag and the open file),
// paints the pen grids and swatches, and handles the pointer and the menu commands.
//
// The implementation is split by concern:
//   tintora_dlg.cpp              construction, data exchange, initialisation, the palette
//                                operations (LoadDefaultPalette, SetCurrentPalette), the
//                                background buttons
//   tintora_dlg_message_map.cpp  which command goes to which handler
//   tintora_dlg_paint.cpp        OnPaint, the grids, the hover mark, the swatches
//   tintora_dlg_pointer.cpp      pointer moves, clicks, double clicks, EditPenColour
//   tintora_dlg_palette_commands.cpp  Select, Add, Delete and Rename Palette; About
//   tintora_dlg_tool_hints.cpp   the tool hints: which area is under the pointer, its text
//   tintora_dlg_help.cpp         the help command (menu and F1)
//   tintora_dlg_file_commands.cpp  New, Open, Save, Save As and Exit; the save question;
//                                opening a file from outside (command line, drop)
//   tintora_dlg_import.cpp       the import of the older product's colour table
//   tintora_dlg_palette_exchange.cpp  Import Palette and Export Palette (other tools' formats)
//   tintora_dlg_history.cpp      undo and redo: the document operations the commands call,
//                                the Undo and Redo items, the modified flag from the history
//   tintora_dlg_keyboard.cpp     the pen area (keys, focus, screen readers), the shortcuts
//   tintora_dlg_clipboard.cpp    copying and pasting the selected pen's colour
//   tintora_dlg_outside.cpp      palette files dropped on the window
//   tintora_dlg_view.cpp         the View menu: a simulated colour vision, the low-contrast
//                                sign, both remembered in the profile
//   tintora_dlg_derive.cpp       Derive Dark Colours and Derive Light Colours
//   tintora_dlg_recovery.cpp     the copy of unsaved work: keeping it, offering it back
// A new command gets its handler declared below, defined in a file of its concern, and
// one line in the message map.
#pragma once

#include <QIcon>
#include <QUndoStack>
#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

#include "colour/vision.h"
#include "editor/document_commands.h"
#include "editor/palette_painter.h"
#include "editor/pen_area.h"
#include "editor/pen_grid_layout.h"
#include "editor/recovery_keeper.h"
#include "editor/tool_info.h"
#include "files/formats/palette_format.h"
#include "model/palette_entry.h"
#include "platform/dialog.h"
#include "shared/cstring.h"
#include "shared/file_io.h"
#include "shared/ui_list.h"

class QPainter;

// The colour text of the labels under the swatches: "R: %03d G: %03d B: %03d".
CString FormatRGB(COLORREF colour);

class CTintoraDlg : public CDialog, public PenAreaHost, public PaletteDocument {
public:
    explicit CTintoraDlg(QWidget* pParent = nullptr);
    ~CTintoraDlg() override;

    // Replaces the palette list by one holding only the built-in palette "Default".
    void LoadDefaultPalette();
    // Makes the palette at list position nIndex current (pen 1 selected, nothing hovered).
    void SetCurrentPalette(int nIndex);

    // Tool hints. The tool under point (client coordinates), described in pTI (may be null):
    // its control id, or -1 when the point is on no tool.
    int OnToolHitTest(QPoint point, TOOLINFO* pTI) const;
    // Puts the hint of the tool pTI describes into its lpszText (the empty text when the tool
    // has none); false when pTI describes no control of ours.
    bool OnToolTipNotify(TOOLINFO* pTI) const;

    // A palette file to open once the window is initialised, as Open would (the command
    // line's file).
    void OpenAtStart(const CString& path) { m_strStartFile = path; }
    // Opens path as Open does once its dialog is accepted, after the save question when
    // the palette is modified (files from outside: the command line, a drop).
    void OpenFromOutside(const CString& path);

    // PenAreaHost.
    GridFrames PenFrames() const override { return Frames(); }
    int SelectedPen() const override { return m_nSelectedPen; }
    void SelectPen(int pen) override;
    COLORREF ShownColour(int pen) const override;
    void EditPen(int pen) override;
    bool ShowsLowContrast(int pen) const override;

    // PaletteDocument: what the undo commands change.
    int CurrentPaletteIndex() const override;
    void StorePenColour(int palette, int variant, int pen, COLORREF colour) override;
    void StorePaletteTexts(int palette, const CString& name, const CString& description) override;
    void StoreVariantColours(int palette, int variant, const PenColours& colours) override;
    std::vector<PaletteCopy> CopyPalettes() const override;
    void RestorePalettes(const std::vector<PaletteCopy>& palettes, int current) override;
    void AppendPalettes(const std::vector<PaletteCopy>& palettes) override;
    void RemoveLastPalettes(int count, int current) override;

    // The document, in the order of the window's state.
    bool m_bModified;
    int m_nSelectedPen = 1;
    int m_nHoverPen = 0;
    int m_nBackground; // 0 light, 1 dark: which colour of each pen is shown and edited
    GridRect m_rcMainGrid;
    GridRect m_rcSecondaryGrid;
    GridRect m_rcStandardGrid;
    GridRect m_rcPenSwatch;
    GridRect m_rcMarkerSwatch;
    CString m_strPathName;           // the open palette file, empty when none is loaded
    UI_LIST* m_pPaletteList;         // owned
    PaletteEntry* m_pCurrentPalette; // an element of m_pPaletteList
    CStatic m_wndPenLabel;
    CStatic m_wndPenSwatch;
    CStatic m_wndMarkerSwatch;
    CStatic m_wndStandardGrid;
    CStatic m_wndSecondaryGrid;
    CStatic m_wndMainGrid;
    CString m_strPenRGB;
    CString m_strMarkerRGB;
    CStatic m_wndPenOver;
    CStatic m_wndRGBOver;
    CStatic m_wndPaletteLabel;
    QIcon m_hIcon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;

    // Painting.
    void OnPaint(QPaintEvent* event) override;
    void DrawMainGrid(QPainter& dc, std::uint16_t markPen);
    void DrawSecondaryGrid(QPainter& dc, std::uint16_t markPen);
    // Draws (on) or removes (off) the hover mark of pen at once.
    void ShowHoverMark(std::uint16_t pen, bool on);
    void OnBackgroundChanged();

    // Pointer and colour editing.
    void OnMouseMove(unsigned int nFlags, QPoint point) override;
    void OnLButtonDown(unsigned int nFlags, QPoint point) override;
    void OnLButtonDblClk(unsigned int nFlags, QPoint point) override;
    void EditPenColour(std::uint16_t pen);

    // File commands and the legacy import.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnExit();
    void OnImport();
    void OnImportPalette();
    void OnExportPalette();
    // The document change of Import Palette, one undoable step: appends the palettes, makes
    // the first of them current and marks the document modified.
    void AppendImportedPalettes(PaletteVector palettes);

    // Palette list commands, the About box and the help.
    void OnSelectPalette();
    void OnAddPalette();
    void OnDeletePalette();
    void OnRenamePalette();
    void OnAbout();
    void OnHelpContents();

    // Undo, redo and the clipboard (the Edit menu's added items).
    void OnEditUndo();
    void OnEditRedo();
    void OnEditCopy();
    void OnEditPaste();
    void OnDeriveDark();
    void OnDeriveLight();

    // The View menu.
    void OnViewNormal();
    void OnViewProtanopia();
    void OnViewDeuteranopia();
    void OnViewTritanopia();
    void OnViewMarkLowContrast();

    // A palette file dropped on the window.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Shows the tool hints.
    bool OnClientEvent(QEvent* event) override;

private:
    struct HoverMark {
        std::uint16_t pen;
        bool on;
        QRect rect; // what the mark repaints
    };

    GridFrames Frames() const;
    const PenColours& ShownColours() const;
    // The shown colours as they are drawn: through the chosen vision.
    const PenColours& PaintedColours() const;
    // The pens that carry the low-contrast sign; none while the sign is off.
    const std::bitset<kPenCount>& SignedPens() const;
    void PaintSigns(QPainter& dc, PenGrid grid, const PenColours& painted);
    void SetPaletteLabel();
    GridRect ControlRect(const CWnd& control) const;
    void PaintAreas(QPainter& dc, const QRegion& region);
    void PaintHoverMark(QPainter& dc, const HoverMark& mark);
    void DrawPenSwatch(QPainter& dc);
    void DrawMarkerSwatch(QPainter& dc);
    void PaintMinimised(QPainter& dc);
    // Asks whether to save the modified palette, saving on Yes; returns the answer.
    int AskToSave();
    // "Tintora - " and the open file's name.
    void ShowFileInCaption();
    // False when the user keeps the file that another program changed on disk since this
    // window last read or wrote it.
    bool MayReplaceFileOnDisk();

    // The version of the file this window last read or wrote, to notice another program's
    // change before saving over it.
    struct DiskVersion {
        CString path;
        std::optional<FileStamp> stamp;
    } m_diskVersion;

    // Open from the moment a file is chosen: remember, read, show (or fall back).
    void OpenPaletteFile(const CString& path);

    // The modified flag as the file commands set it; the history's clean state follows.
    void SetUnmodified();
    void ForceModified();
    void ConnectHistory();
    void UpdateHistoryItems();
    void SetUpKeyboard();
    void LoadViewSettings();
    void ShowVision(Vision vision);
    void UpdateViewItems();
    // Replaces the colours of variant in the current palette by those derived from the
    // other variant's, as one step named text.
    void DeriveVariant(int variant, const CString& text);

    // The recovery copy: what it is made of, and the history and closing that drive it.
    RecoveryKeeper::Document RecoveryDocument() const;
    void ConnectRecovery();
    // At start: offers the copies kept (of startFile only, when one is given) and opens the
    // first one accepted; false when none was.
    bool OfferRecovery(const CString& startFile);
    bool OpenRecovered(const RecoveryCopy& copy);

    // Set only while ShowHoverMark repaints its rectangle.
    std::optional<HoverMark> m_markRequest;
    QUndoStack m_undoStack;
    RecoveryKeeper m_recovery{[this]() { return RecoveryDocument(); }};
    PenArea* m_pPenArea = nullptr; // a child of the client area
    CString m_strStartFile;
    Vision m_vision = Vision::Normal;
    bool m_bMarkLowContrast = false;
    // What the View menu's choices make of the shown colours, and what they were made from.
    struct ViewOfColours {
        PenColours shown;
        Vision vision;
        int background;
        bool mark;
        PenColours painted;
        std::bitset<kPenCount> signs;
    };
    const ViewOfColours& CurrentView() const;
    mutable std::optional<ViewOfColours> m_view;
};
