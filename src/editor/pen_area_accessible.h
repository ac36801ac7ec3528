// What screen readers see of the pen area: three tables ("Main pens" 1 x 9, "Secondary pens"
// 1 x 6, "Standard pens" 10 x 24) whose cells are the pens, each named "Pen N" with its shown
// colour as description, its drawn cell as extents and the selection as its state; and the
// two swatches, "Selected pen N" and "Marker pen", whose press action opens the colour
// chooser. All of it is computed from the same geometry the painting uses.
#pragma once

class PenArea;
class QAccessibleEvent;

// Makes Qt's accessibility build the pen area's interface; once per process is enough.
void InstallPenAreaAccessibility();

// Reports a selection change (or, with equal pens, the focus arriving) to assistive
// technology: the selected state of both pens, and the focus when the area has it.
void NotifyPenSelection(PenArea& area, int oldPen, int newPen);
// Reports the focus on the selected pen, when the area has it.
void NotifyPenFocus(PenArea& area);
// Reports that the shown colour of pen changed: its cell, and the swatch showing it.
void NotifyColourChanged(PenArea& area, int pen);

// Where the reports above go: Qt's accessibility layer, which passes them on only while a
// screen reader is active. A listener set here hears them instead (null: Qt again).
using PenAreaListener = void (*)(QAccessibleEvent* event);
void ListenToPenArea(PenAreaListener listener);
