// Driving the editor window in tests: the editor fixture, opening it shown and initialised,
// pointer input in client coordinates, and its pixels as painted and as on screen.
#pragma once

#include "editor/tintora_dlg.h"
#include "gui_test_support.h"
#include "model/colour.h"

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

// Every editor test: the GUI test's profile (without the start-up message), the data
// folders in a temporary place, and an editor open on the default palette.
class EditorTest : public GuiTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Closes the editor and opens a fresh one (after a change to the profile, say): built,
    // initialised (no start-up message unless the profile asks for it) and shown. The
    // recovery copies the old one kept are dropped first, unless a test asks to keep them.
    void Reopen(bool keepRecovery = false);
    // The palettes by name, "*" marking the current one, then " +" when modified: "A B* C +".
    std::string ListState() const;

    DataFolders folders;
    std::unique_ptr<CTintoraDlg> dlg;
};
