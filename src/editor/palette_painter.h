// Drawing of the pen grids and swatches through a QPainter, from the frame rectangles and one
// colour table alone. The editor's painting uses it; so can anything that renders a palette
// to an image (fill the background, paint the areas, add frame borders from static_frame.h).
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <array>
#include <bitset>

#include "editor/pen_grid_layout.h"
#include "model/colour.h"
#include "model/palette_entry.h"
#include "shared/translatable.h"

class QPainter;

// One variant's colours, indexed by pen.
using PenColours = std::array<COLORREF, kPenCount>;

inline constexpr wchar_t kSwatchText[] = L"" QT_TRANSLATE_NOOP("Tintora", "DOUBLE CLICK TO EDIT");

QColor ToQColor(COLORREF colour);
QRect ToQRect(const GridRect& rect);
GridRect ToGridRect(const QRect& rect);

// The font of the swatch text: the dialog font at 8 points.
QFont SwatchFont();

// Every cell of the standard grid, without numbers or borders.
void PaintStandardGrid(QPainter& painter, const GridRect& frame, const PenColours& colours);
// Every cell of the main or secondary grid with its number; the cell of markPen (0 for none)
// carries the hover mark.
void PaintSmallGrid(QPainter& painter, PenGrid grid, const GridRect& frame,
                    const PenColours& colours, int markPen);
// The hover mark of a standard-grid pen (on), or the plain cell again (off).
void PaintStandardCellMark(QPainter& painter, const GridRect& frame, const PenColours& colours,
                           int pen, bool on);
// The low-contrast sign on every cell of grid whose pen is in pens: a triangle in the drawn
// cell's top-left corner, black or white, whichever stands out more from the cell's colour.
void PaintLowContrastSigns(QPainter& painter, PenGrid grid, const GridRect& frame,
                           const PenColours& colours, const std::bitset<kPenCount>& pens);
// A swatch: the whole rectangle in colour, with the double-click hint in white on a shadow.
void PaintSwatch(QPainter& painter, const GridRect& rect, COLORREF colour);
// The five areas of an editor window, unmarked.
void PaintPaletteAreas(QPainter& painter, const GridFrames& frames, const PenColours& colours,
                       int selectedPen);
