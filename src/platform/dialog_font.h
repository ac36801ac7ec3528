// The dialog font: an 8-point sans serif at 96 dots per inch (11 pixels), the size the
// dialog-unit base of 6 x 13 belongs to. Every dialog uses it; painting derives its fonts
// from it.
#pragma once

#include <QFont>

QFont DialogFont();
// The font text is drawn in when nobody selected one. A system font there is bold; painters
// get that by striking it twice, one pixel apart.
QFont DefaultDeviceFont();
