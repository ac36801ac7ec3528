// CTintoraDlg: painting of the grids, swatches and labels, and the hover mark.
//
// Qt draws on a widget only inside its paint event, so drawing "at once" (the hover mark)
// sets the mark to draw and repaints exactly its rectangle synchronously. A true-colour
// display has no use for a logical palette, so none is selected.
//
// Cells and swatches are filled with the painted colours (the View menu's vision); the labels
// always give the real ones.
#include <QPaintEvent>
#include <QPainter>

#include "editor/tintora_dlg.h"
#include "platform/format_text.h"
#include "shared/translatable.h"

namespace {

constexpr int kIconSize = 32;

bool TouchesCells(PenGrid grid, const GridRect& frame, const QRegion& region) {
    for (int column = 0; column < GridColumns(grid); ++column) {
        if (region.intersects(ToQRect(DrawnCell(grid, frame, 0, column)))) {
            return true;
        }
    }
    return false;
}

} // namespace

void CTintoraDlg::OnPaint(QPaintEvent* event) {
    QPainter dc(Client());
    if (isMinimized()) {
        PaintMinimised(dc);
        return;
    }
    if (m_pPenArea != nullptr) {
        m_pPenArea->ColoursShown();
    }
    QRegion region = event->region();
    if (region.isEmpty()) {
        region = QRegion(GetClientRect());
    }
    if (m_markRequest) {
        // The mark's own repaint: draw the mark alone, unless other invalid parts of the
        // window came along with it.
        if (!region.subtracted(QRegion(m_markRequest->rect)).isEmpty()) {
            PaintAreas(dc, region);
        }
        PaintHoverMark(dc, *m_markRequest);
        return;
    }
    PaintAreas(dc, region);
}

void CTintoraDlg::PaintAreas(QPainter& dc, const QRegion& region) {
    const GridRect clip = ToGridRect(region.boundingRect());
    if (m_rcMainGrid.Intersects(clip)) {
        DrawMainGrid(dc, 0);
    }
    if (m_rcSecondaryGrid.Intersects(clip)) {
        DrawSecondaryGrid(dc, 0);
    }
    // A small grid is always drawn whole; if only some of its cells were invalid, the rest
    // follows in a repaint of its own (its hover mark goes, as with a full repaint). The gaps
    // between the cells alone (the keyboard focus ring) do not count.
    for (const PenGrid grid : {PenGrid::Main, PenGrid::Secondary}) {
        const GridRect frame = Frames().Of(grid);
        if (frame.Intersects(clip) && !region.contains(ToQRect(frame)) &&
            TouchesCells(grid, frame, region)) {
            InvalidateRect(ToQRect(frame));
        }
    }
    if (m_rcStandardGrid.Intersects(clip)) {
        const PenColours& painted = PaintedColours();
        PaintStandardGrid(dc, m_rcStandardGrid, painted);
        PaintSigns(dc, PenGrid::Standard, painted);
    }
    if (m_rcPenSwatch.Intersects(clip)) {
        DrawPenSwatch(dc);
    }
    if (m_rcMarkerSwatch.Intersects(clip)) {
        DrawMarkerSwatch(dc);
    }
}

void CTintoraDlg::DrawMainGrid(QPainter& dc, std::uint16_t markPen) {
    const PenColours& painted = PaintedColours();
    PaintSmallGrid(dc, PenGrid::Main, m_rcMainGrid, painted, markPen);
    PaintSigns(dc, PenGrid::Main, painted);
}

void CTintoraDlg::DrawSecondaryGrid(QPainter& dc, std::uint16_t markPen) {
    const PenColours& painted = PaintedColours();
    PaintSmallGrid(dc, PenGrid::Secondary, m_rcSecondaryGrid, painted, markPen);
    PaintSigns(dc, PenGrid::Secondary, painted);
}

void CTintoraDlg::PaintSigns(QPainter& dc, PenGrid grid, const PenColours& painted) {
    const std::bitset<kPenCount>& pens = SignedPens();
    if (pens.any()) {
        PaintLowContrastSigns(dc, grid, Frames().Of(grid), painted, pens);
    }
}

void CTintoraDlg::ShowHoverMark(std::uint16_t pen, bool on) {
    const auto cell = CellOfPen(pen);
    if (!cell || Client() == nullptr) {
        return;
    }
    // The small grids are redrawn whole; a standard-grid mark touches its cell alone.
    const GridRect rect =
        cell->grid == PenGrid::Standard
            ? DrawnCell(PenGrid::Standard, m_rcStandardGrid, cell->row, cell->column)
            : Frames().Of(cell->grid);
    m_markRequest = HoverMark{pen, on, ToQRect(rect)};
    Client()->repaint(m_markRequest->rect);
    m_markRequest.reset();
}

void CTintoraDlg::PaintHoverMark(QPainter& dc, const HoverMark& mark) {
    const std::uint16_t markPen = mark.on ? mark.pen : 0;
    if (mark.pen >= 1 && mark.pen <= 9) {
        DrawMainGrid(dc, markPen);
    } else if (mark.pen >= 10 && mark.pen <= 15) {
        DrawSecondaryGrid(dc, markPen);
    } else {
        const PenColours& painted = PaintedColours();
        PaintStandardCellMark(dc, m_rcStandardGrid, painted, mark.pen, mark.on);
        // Refilling the cell took its sign; it comes back.
        if (SignedPens().test(mark.pen)) {
            PaintLowContrastSigns(dc, PenGrid::Standard, m_rcStandardGrid, painted,
                                  std::bitset<kPenCount>().set(mark.pen));
        }
    }
}

void CTintoraDlg::DrawPenSwatch(QPainter& dc) {
    const COLORREF colour = ShownColours()[static_cast<std::size_t>(m_nSelectedPen)];
    PaintSwatch(dc, m_rcPenSwatch, SimulateVision(colour, m_vision));
    m_strPenRGB = FormatRGB(colour);
    m_wndPenLabel.SetWindowText(
        FormatText(L"" QT_TRANSLATE_NOOP("Tintora", "Pen: %d"), m_nSelectedPen));
    UpdateData(false);
}

void CTintoraDlg::DrawMarkerSwatch(QPainter& dc) {
    const COLORREF colour = ShownColours()[0];
    PaintSwatch(dc, m_rcMarkerSwatch, SimulateVision(colour, m_vision));
    m_strMarkerRGB = FormatRGB(colour);
    UpdateData(false);
}

void CTintoraDlg::PaintMinimised(QPainter& dc) {
    const QRect client = GetClientRect();
    dc.fillRect(client, Client()->palette().window());
    const int x = (client.width() - kIconSize + 1) / 2;
    const int y = (client.height() - kIconSize + 1) / 2;
    m_hIcon.paint(&dc, QRect(x, y, kIconSize, kIconSize));
}
