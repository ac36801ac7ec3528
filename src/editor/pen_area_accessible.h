// What screen readers see of the pen area: one object per pen, named "Pen N", with its
// shown colour as description, its drawn cell as extents and the selection as its state;
// and the two swatches, "Selected pen N" and "Marker pen", whose press action opens the
// colour chooser. All of it is computed from the same geometry the painting uses.
#pragma once

class PenArea;

// Makes Qt's accessibility build the pen area's interface; once per process is enough.
void InstallPenAreaAccessibility();

// Reports a selection change (or, with equal pens, the focus arriving) to assistive
// technology: the selected state of both pens, and the focus when the area has it.
void NotifyPenSelection(PenArea& area, int oldPen, int newPen);
