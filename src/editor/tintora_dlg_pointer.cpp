// CTintoraDlg: the pointer over the grids (hover mark and labels), clicks that select a
// pen, double clicks on the swatches, and editing a pen's colour with the colour chooser.
#include <array>

#include "editor/tintora_dlg.h"
#include "platform/colour_dialog.h"
#include "platform/format_text.h"
#include "platform/profile.h"
#include "platform/translation.h"
#include "shared/translatable.h"

namespace {

CString CustomColourKey(int index) {
    return FormatText(L"Custom%d", index + 1);
}

// "Pen 69 – Light Background": the chooser says which pen and which of its two colours it
// changes, since the editor behind it is covered.
CString ChooserTitle(std::uint16_t pen, int background) {
    if (pen == 0) {
        return TranslatedText(
            background == 0
                ? L"" QT_TRANSLATE_NOOP("Tintora", "Marker Pen \u2013 Light Background")
                : L"" QT_TRANSLATE_NOOP("Tintora", "Marker Pen \u2013 Dark Background"));
    }
    return FormatText(background == 0
                          ? L"" QT_TRANSLATE_NOOP("Tintora", "Pen %d \u2013 Light Background")
                          : L"" QT_TRANSLATE_NOOP("Tintora", "Pen %d \u2013 Dark Background"),
                      pen);
}

} // namespace

void CTintoraDlg::OnMouseMove(unsigned int, QPoint point) {
    // Removed and drawn again on every move, also within one cell.
    ShowHoverMark(static_cast<std::uint16_t>(m_nHoverPen), false);
    const int pen = HoverPenAt(Frames(), point.x(), point.y());
    if (pen == 0) {
        m_wndPenOver.SetWindowText(CString());
        m_wndRGBOver.SetWindowText(CString());
        return;
    }
    const COLORREF colour = ShownColours()[static_cast<std::size_t>(pen)];
    m_wndPenOver.SetWindowText(FormatText(L"" QT_TRANSLATE_NOOP("Tintora", "Pen Over: %d"), pen));
    m_wndRGBOver.SetWindowText(
        FormatText(L"" QT_TRANSLATE_NOOP("Tintora", "RGB Over: %03d,%03d,%03d"), RedOf(colour),
                   GreenOf(colour), BlueOf(colour)));
    ShowHoverMark(static_cast<std::uint16_t>(pen), true);
    m_nHoverPen = pen;
}

void CTintoraDlg::OnLButtonDown(unsigned int, QPoint point) {
    const int pen = ClickPenAt(Frames(), point.x(), point.y());
    if (pen != 0) {
        SelectPen(pen);
    }
}

void CTintoraDlg::SelectPen(int pen) {
    const int oldPen = m_nSelectedPen;
    m_nSelectedPen = pen;
    InvalidateRect(ToQRect(m_rcPenSwatch));
    if (m_pPenArea != nullptr) {
        m_pPenArea->SelectionChanged(oldPen);
    }
}

COLORREF CTintoraDlg::ShownColour(int pen) const {
    return ShownColours()[static_cast<std::size_t>(pen)];
}

void CTintoraDlg::EditPen(int pen) {
    // Exactly what a double click on the pen's swatch does.
    EditPenColour(static_cast<std::uint16_t>(pen));
    Invalidate();
}

void CTintoraDlg::OnLButtonDblClk(unsigned int, QPoint point) {
    if (m_rcPenSwatch.Contains(point.x(), point.y())) {
        EditPenColour(static_cast<std::uint16_t>(m_nSelectedPen));
        Invalidate();
    }
    if (m_rcMarkerSwatch.Contains(point.x(), point.y())) {
        EditPenColour(0);
        Invalidate();
    }
}

void CTintoraDlg::EditPenColour(std::uint16_t pen) {
    std::array<COLORREF, kCustomColourCount> custom{};
    for (int i = 0; i < kCustomColourCount; ++i) {
        custom[static_cast<std::size_t>(i)] =
            static_cast<COLORREF>(GetProfileInt(L"Colours", CustomColourKey(i), 0xFFFFFF));
    }
    const COLORREF colour = ShownColour(pen);
    CColorDialog dlg(colour, CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR, this);
    dlg.m_cc.lpCustColors = custom.data();
    dlg.SetTitle(ChooserTitle(pen, m_nBackground));
    if (dlg.DoModal() != IDOK) {
        return;
    }
    m_undoStack.push(new PenColourCommand(*this, m_nBackground, pen, colour, dlg.GetColor()));
    // An OK counts as an edit even when the colour stayed the same.
    m_bModified = true;
    for (int i = 0; i < kCustomColourCount; ++i) {
        WriteProfileInt(L"Colours", CustomColourKey(i),
                        static_cast<int>(custom[static_cast<std::size_t>(i)]));
    }
}
