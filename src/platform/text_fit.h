// Room for translated texts. The templates give every control the size its English text
// needs; a translation can need more. Where it does, the control is widened, the controls
// beside it on its row move along, and the dialog grows with them. English texts are never
// measured here, so the English layout stays exactly as designed.
//
//   if (TranslationActive()) FitTexts(client, controls);
//   TextFits(widget)                       // what the layout tests assert for every control
#pragma once

#include <vector>

class QWidget;

// The width the text of a label or button needs; 0 for a control without a text.
int NeededTextWidth(const QWidget& control);
// Whether control shows its whole text in its rectangle.
bool TextFits(const QWidget& control);
// Widens the controls of client whose text does not fit, and client with them.
void FitTexts(QWidget& client, const std::vector<QWidget*>& controls);
