// Driving the editor window in tests: opening it shown and initialised, pointer input in
// client coordinates, and its pixels as painted and as on screen.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>

#include "editor/tintora_dlg.h"
#include "model/colour.h"

// Built, initialised (no start-up message unless the profile asks for it) and shown.
std::unique_ptr<CTintoraDlg> OpenEditor();

void MoveTo(CTintoraDlg& dlg, int x, int y);
void ClickAt(CTintoraDlg& dlg, int x, int y);
void DoubleClickAt(CTintoraDlg& dlg, int x, int y);
// Lets pending repaints happen.
void Settle();

// The client area painted afresh (no hover mark), client coordinates.
QImage PaintedClient(CTintoraDlg& dlg);
// The client area as it is on screen (with the hover mark), client coordinates.
QImage ScreenClient(CTintoraDlg& dlg);

QString ItemText(const CTintoraDlg& dlg, int id);
// A colour as 0xRRGGBB, the form PixelOf gives.
unsigned int Rgb(COLORREF colour);
