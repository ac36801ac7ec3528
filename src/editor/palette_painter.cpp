// Cell, mark and swatch drawing.
#include "editor/palette_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <utility>

#include "colour/contrast.h"
#include "platform/dialog_font.h"
#include "platform/translation.h"

namespace {

// Inverts every pixel of rect: white through XOR gives (255 - R, 255 - G, 255 - B).
void InvertRect(QPainter& painter, const QRect& rect) {
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(rect, QColor(255, 255, 255));
    painter.setCompositionMode(previous);
}

// The mark: a 2-pixel border in the inverse colour around the cell's own colour.
void PaintMarkedCell(QPainter& painter, const GridRect& cell, const QColor& colour) {
    painter.fillRect(ToQRect(cell), colour);
    InvertRect(painter, ToQRect(cell));
    painter.fillRect(ToQRect(cell.Deflated(2)), colour);
}

// Centred single-line text, white with a black shadow one pixel right and down. Bold text
// is struck twice, one pixel apart, as a system bolds a bitmap face: a real bold face would
// be a second font to find and load, the dearest part of the first frame. The line is laid
// out once and put on whole pixels, so every stroke reuses the same rasterised glyphs.
void DrawShadowedText(QPainter& painter, const QRect& rect, const QString& text,
                      bool bold = false) {
    QTextLayout layout(text, painter.font());
    layout.setCacheEnabled(true);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const qreal width = line.naturalTextWidth() + (bold ? 1 : 0);
    const QPoint origin(qRound(rect.left() + (rect.width() - width) / 2),
                        qRound(rect.top() + (rect.height() - line.height()) / 2));
    const int strikes = bold ? 2 : 1;
    for (const auto& [offset, colour] : {std::pair{QPoint(1, 1), QColor(0, 0, 0)},
                                         std::pair{QPoint(0, 0), QColor(255, 255, 255)}}) {
        painter.setPen(colour);
        for (int strike = 0; strike < strikes; ++strike) {
            layout.draw(&painter, origin + offset + QPoint(strike, 0));
        }
    }
}

// A right triangle filling the corner of cell, its legs two fifths of the cell's shorter
// side, in whole pixels row by row so that it looks the same on every display.
void PaintCornerSign(QPainter& painter, const GridRect& cell, COLORREF colour) {
    const COLORREF black = 0x000000;
    const COLORREF white = 0xFFFFFF;
    const QColor sign =
        ToQColor(ContrastRatio(colour, black) >= ContrastRatio(colour, white) ? black : white);
    const int legs = std::min(cell.Width(), cell.Height()) * 2 / 5;
    for (int row = 0; row < legs; ++row) {
        painter.fillRect(QRect(cell.left, cell.top + row, legs - row, 1), sign);
    }
}

} // namespace

QColor ToQColor(COLORREF colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QRect ToQRect(const GridRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

GridRect ToGridRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QFont SwatchFont() {
    QFont font = DialogFont();
    font.setPixelSize(11); // 8 points at 96 dots per inch
    return font;
}

void PaintStandardGrid(QPainter& painter, const GridRect& frame, const PenColours& colours) {
    for (int row = 0; row < GridRows(PenGrid::Standard); ++row) {
        for (int column = 0; column < GridColumns(PenGrid::Standard); ++column) {
            const int pen = PenAt(PenGrid::Standard, row, column);
            painter.fillRect(ToQRect(DrawnCell(PenGrid::Standard, frame, row, column)),
                             ToQColor(colours[pen]));
        }
    }
}

void PaintSmallGrid(QPainter& painter, PenGrid grid, const GridRect& frame,
                    const PenColours& colours, int markPen) {
    // The numbers use the device's own font: nobody chose one for them.
    painter.setFont(DefaultDeviceFont());
    for (int column = 0; column < GridColumns(grid); ++column) {
        const int pen = PenAt(grid, 0, column);
        const QColor colour = ToQColor(colours[pen]);
        GridRect cell = DrawnCell(grid, frame, 0, column);
        if (pen == markPen) {
            PaintMarkedCell(painter, cell, colour);
            cell = cell.Deflated(2);
        } else {
            painter.fillRect(ToQRect(cell), colour);
        }
        DrawShadowedText(painter, ToQRect(cell), QString::number(pen), true);
    }
}

void PaintStandardCellMark(QPainter& painter, const GridRect& frame, const PenColours& colours,
                           int pen, bool on) {
    const auto cell = CellOfPen(pen);
    if (!cell || cell->grid != PenGrid::Standard) {
        return;
    }
    const GridRect drawn = DrawnCell(PenGrid::Standard, frame, cell->row, cell->column);
    const QColor colour = ToQColor(colours[pen]);
    if (on) {
        PaintMarkedCell(painter, drawn, colour);
    } else {
        painter.fillRect(ToQRect(drawn), colour);
    }
}

void PaintLowContrastSigns(QPainter& painter, PenGrid grid, const GridRect& frame,
                           const PenColours& colours, const std::bitset<kPenCount>& pens) {
    for (int row = 0; row < GridRows(grid); ++row) {
        for (int column = 0; column < GridColumns(grid); ++column) {
            const int pen = PenAt(grid, row, column);
            if (pens.test(static_cast<std::size_t>(pen))) {
                PaintCornerSign(painter, DrawnCell(grid, frame, row, column), colours[pen]);
            }
        }
    }
}

void PaintSwatch(QPainter& painter, const GridRect& rect, COLORREF colour) {
    painter.fillRect(ToQRect(rect), ToQColor(colour));
    const QFont previous = painter.font();
    const QString text = Translated(kSwatchText);
    QFont font = SwatchFont();
    // A translation longer than the swatch is set smaller rather than cut at both ends.
    const int room = ToQRect(rect).width() - 4;
    if (const int width = QFontMetrics(font).horizontalAdvance(text); width > room) {
        font.setPixelSize(std::max(1, font.pixelSize() * room / width));
    }
    painter.setFont(font);
    DrawShadowedText(painter, ToQRect(rect), text);
    painter.setFont(previous);
}

void PaintPaletteAreas(QPainter& painter, const GridFrames& frames, const PenColours& colours,
                       int selectedPen) {
    PaintSmallGrid(painter, PenGrid::Main, frames.main, colours, 0);
    PaintSmallGrid(painter, PenGrid::Secondary, frames.secondary, colours, 0);
    PaintStandardGrid(painter, frames.standard, colours);
    PaintSwatch(painter, frames.penSwatch, colours[selectedPen]);
    PaintSwatch(painter, frames.markerSwatch, colours[0]);
}
