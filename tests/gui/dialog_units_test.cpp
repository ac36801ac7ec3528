// Dialog units to pixels against the rectangles the editor's layout is known to have.
#include <gtest/gtest.h>

#include "platform/dialog_units.h"

namespace {

struct DluCase {
    int x, y, cx, cy;
    QRect pixels;
};

TEST(DialogUnits, RectanglesOfTheEditorTemplate) {
    const DluCase cases[] = {
        {7, 46, 153, 19, {11, 75, 230, 31}},      // main grid frame
        {193, 46, 102, 19, {290, 75, 153, 31}},   // secondary grid frame
        {7, 71, 288, 100, {11, 115, 432, 163}},   // standard grid frame
        {19, 188, 110, 20, {29, 306, 165, 33}},   // selected-pen swatch
        {177, 188, 110, 20, {266, 306, 165, 33}}, // marker swatch
        {0, 0, 302, 231, {0, 0, 453, 375}},       // client area
        {55, 84, 21, 20, {83, 137, 32, 33}},      // icon of the warning dialog
    };
    for (const DluCase& c : cases) {
        EXPECT_EQ(DluRectToPixels(c.x, c.y, c.cx, c.cy), c.pixels)
            << c.x << "," << c.y << "," << c.cx << "," << c.cy;
    }
}

} // namespace
