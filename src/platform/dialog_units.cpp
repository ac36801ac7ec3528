// Dialog unit conversion of whole rectangles.
#include "platform/dialog_units.h"

QRect DluRectToPixels(int x, int y, int cx, int cy) {
    return QRect(DluToPixelsX(x), DluToPixelsY(y), DluToPixelsX(cx), DluToPixelsY(cy));
}
