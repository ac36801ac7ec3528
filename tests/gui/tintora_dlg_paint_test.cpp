// The editor's pixels: cells, gaps, swatches and the hover mark, for both backgrounds.
#include <QAbstractButton>
#include <gtest/gtest.h>

#include "editor_test_support.h"
#include "gui_test_support.h"
#include "model/default_colours.h"
#include "platform/profile.h"
#include "resources/resource.h"

namespace {

class EditorPaint : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
    }
};

void ChooseBackground(CTintoraDlg& dlg, int variant) {
    qobject_cast<QAbstractButton*>(
        dlg.GetDlgItem(variant == 0 ? IDC_LIGHT_BACKGROUND : IDC_DARK_BACKGROUND))
        ->click();
    Settle();
}

struct CellCase {
    int pen;
    GridRect drawn; // from the worked examples of the layout
};

const CellCase kCells[] = {
    {1, {13, 77, 36, 103}},      {9, {213, 77, 236, 103}}, {10, {292, 77, 315, 103}},
    {15, {417, 77, 440, 103}},   {16, {12, 116, 28, 130}}, {69, {102, 164, 118, 178}},
    {255, {426, 260, 442, 274}},
};

// The etched border of a frame control is drawn over the dialog's painting, two pixels on
// every side; what lies under it cannot be seen.
bool UnderFrameBorder(const CTintoraDlg& dlg, int x, int y) {
    for (const GridRect* frame :
         {&dlg.m_rcMainGrid, &dlg.m_rcSecondaryGrid, &dlg.m_rcStandardGrid}) {
        if (frame->Contains(x, y) && !frame->Deflated(2).Contains(x, y)) {
            return true;
        }
    }
    return false;
}

// Within 3 pixels of a corner: clear of the number drawn in the middle of a small cell.
bool NearCorner(const GridRect& r, int x, int y) {
    const bool nearX = x < r.left + 3 || x >= r.right - 3;
    const bool nearY = y < r.top + 3 || y >= r.bottom - 3;
    return nearX && nearY;
}

// What a pixel of a cell (or of the ring just around it) must be.
using PixelRule = unsigned int (*)(const GridRect& cell, int x, int y, unsigned int colour,
                                   unsigned int background);

unsigned int PlainCell(const GridRect& cell, int x, int y, unsigned int colour,
                       unsigned int background) {
    return cell.Contains(x, y) ? colour : background;
}

// The hover mark: a 2-pixel border in the inverse colour around the cell's own colour.
unsigned int MarkedCell(const GridRect& cell, int x, int y, unsigned int colour,
                        unsigned int background) {
    if (!cell.Contains(x, y)) {
        return background;
    }
    return cell.Deflated(2).Contains(x, y) ? colour : colour ^ 0xFFFFFFu;
}

void ExpectCell(const QImage& image, const CTintoraDlg& dlg, const CellCase& c, COLORREF colour,
                unsigned int background, PixelRule rule) {
    const bool numbered = c.pen < 16;
    const GridRect& r = c.drawn;
    for (int y = r.top - 1; y <= r.bottom; ++y) {
        for (int x = r.left - 1; x <= r.right; ++x) {
            if (UnderFrameBorder(dlg, x, y)) {
                continue;
            }
            if (numbered && r.Deflated(2).Contains(x, y) && !NearCorner(r, x, y)) {
                continue;
            }
            ASSERT_EQ(PixelOf(image, x, y), rule(r, x, y, Rgb(colour), background))
                << "pen " << c.pen << " at " << x << "," << y;
        }
    }
}

TEST_F(EditorPaint, CellsFillTheirRectanglesInTheShownVariant) {
    auto dlg = OpenEditor();
    const unsigned int background = PixelOf(PaintedClient(*dlg), 5, 300);
    for (int variant : {0, 1}) {
        ChooseBackground(*dlg, variant);
        ASSERT_EQ(dlg->m_nBackground, variant);
        const QImage image = PaintedClient(*dlg);
        for (const CellCase& c : kCells) {
            const COLORREF colour = dlg->m_pCurrentPalette->m_Colours[variant][c.pen];
            ExpectCell(image, *dlg, c, colour, background, PlainCell);
        }
    }
}

bool NearWhite(unsigned int pixel) {
    return qRed(pixel) > 220 && qGreen(pixel) > 220 && qBlue(pixel) > 220;
}

// Dark enough to be shadow over any cell colour the tests use (the shadow is antialiased).
bool NearBlack(unsigned int pixel) {
    return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

struct Ink {
    int white = 0;
    int black = 0;
};

Ink InkIn(const QImage& image, const GridRect& r) {
    Ink ink;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            ink.white += NearWhite(PixelOf(image, x, y)) ? 1 : 0;
            ink.black += NearBlack(PixelOf(image, x, y)) ? 1 : 0;
        }
    }
    return ink;
}

TEST_F(EditorPaint, SmallGridNumbersAreWhiteWithABlackShadow) {
    auto dlg = OpenEditor();
    // Pen 4 is pure green: white and black pixels inside it come from its number alone.
    const Ink ink = InkIn(PaintedClient(*dlg), GridRect{88, 77, 111, 103});
    EXPECT_GT(ink.white, 5);
    EXPECT_GT(ink.black, 5);
}

TEST_F(EditorPaint, SwatchesShowTheSelectedAndTheMarkerPen) {
    auto dlg = OpenEditor();
    ClickAt(*dlg, 102 + 5, 164 + 5); // pen 69
    for (int variant : {0, 1}) {
        ChooseBackground(*dlg, variant);
        const QImage image = PaintedClient(*dlg);
        const auto& colours = dlg->m_pCurrentPalette->m_Colours[variant];
        struct SwatchCase {
            GridRect rect;
            COLORREF colour;
        };
        for (const SwatchCase& s : {SwatchCase{dlg->m_rcPenSwatch, colours[69]},
                                    SwatchCase{dlg->m_rcMarkerSwatch, colours[0]}}) {
            const GridRect& r = s.rect;
            EXPECT_EQ(PixelOf(image, r.left, r.top), 0x000000u) << "the black frame";
            EXPECT_EQ(PixelOf(image, r.right - 1, r.bottom - 1), 0x000000u) << "the black frame";
            EXPECT_EQ(PixelOf(image, r.left + 1, r.top + 1), Rgb(s.colour));
            EXPECT_EQ(PixelOf(image, r.right - 2, r.bottom - 2), Rgb(s.colour));
            // The hint is white on a black shadow; a white swatch shows only the shadow.
            const Ink ink = InkIn(image, r.Deflated(1));
            if (s.colour != 0xFFFFFF) {
                EXPECT_GT(ink.white, 30) << "no \"DOUBLE CLICK TO EDIT\" in variant " << variant;
            }
            if (s.colour != 0x000000) {
                EXPECT_GT(ink.black, 30) << "no shadow in variant " << variant;
            }
        }
        EXPECT_EQ(ItemText(*dlg, IDC_PEN_LABEL), QStringLiteral("Pen: 69"));
    }
    EXPECT_EQ(ItemText(*dlg, IDC_MARKER_RGB), QStringLiteral("R: 255 G: 255 B: 255"));
    EXPECT_EQ(dlg->m_nSelectedPen, 69);
}

TEST_F(EditorPaint, HoverMarkIsAnInvertedBorderAndGoesAgain) {
    auto dlg = OpenEditor();
    const unsigned int background = PixelOf(PaintedClient(*dlg), 5, 300);
    for (int variant : {0, 1}) {
        ChooseBackground(*dlg, variant);
        for (const CellCase& c : kCells) {
            const COLORREF colour = dlg->m_pCurrentPalette->m_Colours[variant][c.pen];
            MoveTo(*dlg, c.drawn.left + 4, c.drawn.top + 4);
            ExpectCell(ScreenClient(*dlg), *dlg, c, colour, background, MarkedCell);
            MoveTo(*dlg, 5, 300); // off every grid
            ExpectCell(ScreenClient(*dlg), *dlg, c, colour, background, PlainCell);
        }
    }
}

TEST_F(EditorPaint, OnlyTheMarkedStandardCellChanges) {
    auto dlg = OpenEditor();
    const QImage before = ScreenClient(*dlg);
    MoveTo(*dlg, 105, 168); // pen 69
    const QImage after = ScreenClient(*dlg);
    const QRect cell(102, 164, 16, 14);
    for (int y = 110; y < 280; ++y) {
        for (int x = 5; x < 448; ++x) {
            if (!cell.contains(x, y)) {
                ASSERT_EQ(PixelOf(after, x, y), PixelOf(before, x, y)) << x << "," << y;
            }
        }
    }
}

TEST_F(EditorPaint, MinimisedWindowPaintsOnlyItsIcon) {
    auto dlg = OpenEditor();
    const unsigned int background = PixelOf(PaintedClient(*dlg), 5, 300);
    dlg->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(dlg->isMinimized());
    const QImage image = PaintedClient(*dlg);
    EXPECT_EQ(PixelOf(image, 20, 90), background) << "cell of pen 1";
    EXPECT_EQ(PixelOf(image, 100, 320), background) << "selected-pen swatch";
    // The icon sits in the middle: (453 - 32 + 1) / 2, (375 - 32 + 1) / 2.
    EXPECT_NE(PixelOf(image, 211 + 16, 172 + 16), background);
    EXPECT_EQ(PixelOf(image, 211 - 2, 172 + 16), background);
}

} // namespace
