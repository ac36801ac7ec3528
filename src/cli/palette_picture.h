// The picture of one palette as the editor window shows it: the three pen grids and the two
// swatches with their frames, drawn by the editor's own painting code from the editor's own
// dialog template. Needs a QApplication set up as the program sets it up
// (InitCommonControls); any platform does, the offscreen one included.
#pragma once

#include <QImage>
#include <QRect>

#include "model/palette_entry.h"

// The rectangle of the editor's client area that holds the five areas; the picture shows
// exactly this part of the client area.
QRect PaletteAreasRect();

// The picture for background variant 0 (light) or 1 (dark), with pen 1 in the selected-pen
// swatch, as the editor shows a palette that has just become current.
QImage PalettePicture(const PaletteEntry& palette, int background);
