// The editor window: its start-up state and layout, how it closes, and its pixels (cells,
// numbers, swatches and the hover mark) for both backgrounds.

#include <QAccessible>
#include <QMenuBar>

#include "colour/vision.h"
#include "editor_test_support.h"

namespace {

class EditorPaint : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        background = PixelOf(PaintedClient(*dlg), 5, 300);
    }
    // Every pixel of a cell and of the ring just around it: the ring is background, the cell
    // its colour, with a 2-pixel border of the inverse colour when marked. The frames' etched
    // borders cover what lies under them, and the middle of a numbered cell holds its number.
    void ExpectCell(const QImage& image, int pen, const GridRect& r, bool marked) {
        const unsigned int colour = Rgb(dlg->m_pCurrentPalette->m_Colours[dlg->m_nBackground][pen]);
        for (int y = r.top - 1; y <= r.bottom; ++y) {
            for (int x = r.left - 1; x <= r.right; ++x) {
                const bool nearCorner =
                    (x < r.left + 3 || x >= r.right - 3) && (y < r.top + 3 || y >= r.bottom - 3);
                if (UnderFrameBorder(x, y) ||
                    (pen < 16 && r.Deflated(2).Contains(x, y) && !nearCorner)) {
                    continue;
                }
                unsigned int expected = r.Contains(x, y) ? colour : background;
                if (marked && r.Contains(x, y) && !r.Deflated(2).Contains(x, y)) {
                    expected ^= 0xFFFFFFu;
                }
                ASSERT_EQ(PixelOf(image, x, y), expected)
                    << "pen " << pen << " at " << x << "," << y << (marked ? " marked" : "");
            }
        }
    }
    bool UnderFrameBorder(int x, int y) const {
        for (const GridRect* frame :
             {&dlg->m_rcMainGrid, &dlg->m_rcSecondaryGrid, &dlg->m_rcStandardGrid}) {
            if (frame->Contains(x, y) && !frame->Deflated(2).Contains(x, y)) {
                return true;
            }
        }
        return false;
    }

    unsigned int background = 0;
};

// White and black (the antialiased shadow) pixels within r.
std::pair<int, int> InkIn(const QImage& image, const GridRect& r) {
    std::pair<int, int> ink;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const QRgb p = image.pixel(x, y);
            ink.first += qRed(p) > 220 && qGreen(p) > 220 && qBlue(p) > 220 ? 1 : 0;
            ink.second += qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100 ? 1 : 0;
        }
    }
    return ink;
}

TEST_F(EditorPaint, StartsOnTheDefaultPaletteWithTheExampleLayout) {
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Tintora"));
    EXPECT_EQ(dlg->IsDlgButtonChecked(IDC_LIGHT_BACKGROUND), BST_CHECKED);
    EXPECT_EQ(ListState(), "Default*");
    EXPECT_EQ(ItemText(*dlg, IDC_PALETTE_LABEL),
              QStringLiteral("Current palette: Default (Default palette)"));
    EXPECT_EQ(ItemText(*dlg, IDC_PEN_LABEL), QStringLiteral("Pen: 1"));
    EXPECT_EQ(ItemText(*dlg, IDC_PEN_RGB), QStringLiteral("R: 255 G: 000 B: 000"));
    EXPECT_EQ(ItemText(*dlg, IDC_MARKER_RGB), QStringLiteral("R: 000 G: 000 B: 000"));
    EXPECT_EQ(ItemText(*dlg, IDC_PEN_OVER), QString());
    EXPECT_EQ(dlg->Client()->size(), QSize(453, 375));
    EXPECT_EQ(dlg->m_rcMainGrid, (GridRect{11, 75, 241, 106}));
    EXPECT_EQ(dlg->m_rcSecondaryGrid, (GridRect{290, 75, 443, 106}));
    EXPECT_EQ(dlg->m_rcStandardGrid, (GridRect{11, 115, 443, 278}));
    EXPECT_EQ(dlg->m_rcPenSwatch, (GridRect{29, 306, 194, 339}));
    EXPECT_EQ(dlg->m_rcMarkerSwatch, (GridRect{266, 306, 431, 339}));
}

TEST_F(EditorPaint, ClosesWithoutAskingWhateverWasChanged) {
    for (int key : {+Qt::Key_Escape, +Qt::Key_Return, 0}) { // 0: the close box
        Reopen();
        dlg->m_bModified = true;
        // The pen area passes Esc on; Enter there is its own, so it is pressed elsewhere.
        QWidget* pens = dlg->Client()->findChild<QWidget*>("penArea");
        (key == Qt::Key_Return ? dlg->GetDlgItem(IDC_LIGHT_BACKGROUND) : pens)->setFocus();
        key != 0 ? PressKey(*dlg, key) : static_cast<void>(dlg->close());
        EXPECT_FALSE(dlg->isVisible()) << key;
    }
}

TEST_F(EditorPaint, CellsAndTheHoverMarkInBothVariants) {
    for (int variant : {0, 1}) {
        ClickDlgItem(*dlg, variant == 0 ? IDC_LIGHT_BACKGROUND : IDC_DARK_BACKGROUND);
        Settle();
        const QImage painted = PaintedClient(*dlg);
        // The cells of the worked examples of the layout, as drawn.
        for (const CaseRow& row : ReadCaseTable("pen_grid.txt")) {
            if (row[0] != "drawn") {
                continue;
            }
            const int pen = row.Int(1);
            const std::vector<int> r = row.Ints(2);
            const GridRect rect{r[0], r[1], r[2], r[3]};
            ExpectCell(painted, pen, rect, false);
            MoveTo(*dlg, rect.left + 4, rect.top + 4);
            ExpectCell(ScreenClient(*dlg), pen, rect, true);
            MoveTo(*dlg, 5, 300); // off every grid: the mark goes again
            ExpectCell(ScreenClient(*dlg), pen, rect, false);
        }
    }
    // Pen 4 is pure green: white and black inside it come from its number and shadow alone.
    const auto [white, black] = InkIn(PaintedClient(*dlg), GridRect{88, 77, 111, 103});
    EXPECT_GT(white, 5);
    EXPECT_GT(black, 5);
}

TEST_F(EditorPaint, SwatchesShowTheSelectedAndTheMarkerPen) {
    ClickAt(*dlg, 102 + 5, 164 + 5); // pen 69
    for (int variant : {0, 1}) {
        ClickDlgItem(*dlg, variant == 0 ? IDC_LIGHT_BACKGROUND : IDC_DARK_BACKGROUND);
        Settle();
        const QImage image = PaintedClient(*dlg);
        const auto& colours = dlg->m_pCurrentPalette->m_Colours[variant];
        for (const auto& [r, colour] : {std::pair{dlg->m_rcPenSwatch, colours[69]},
                                        std::pair{dlg->m_rcMarkerSwatch, colours[0]}}) {
            EXPECT_EQ(PixelOf(image, r.left, r.top), 0x000000u) << "the black frame";
            EXPECT_EQ(PixelOf(image, r.right - 1, r.bottom - 1), 0x000000u) << "the black frame";
            EXPECT_EQ(PixelOf(image, r.left + 1, r.top + 1), Rgb(colour));
            EXPECT_EQ(PixelOf(image, r.right - 2, r.bottom - 2), Rgb(colour));
            // The hint is white on a black shadow; a white swatch shows only the shadow.
            const auto [white, black] = InkIn(image, r.Deflated(1));
            EXPECT_TRUE(colour == 0xFFFFFF || white > 30) << "no hint in variant " << variant;
            EXPECT_TRUE(colour == 0x000000 || black > 30) << "no shadow in variant " << variant;
        }
    }
}

TEST_F(EditorPaint, VisionsAndTheLowContrastSignChangeOnlyWhatIsDrawn) {
    MoveTo(*dlg, 5, 168); // where the pointer ends, for the pointer labels
    const QImage normal = PaintedClient(*dlg);
    const auto& light = dlg->m_pCurrentPalette->m_Colours[0];
    for (const Vision vision : {Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia}) {
        dlg->GetMenuItem(ID_VIEW_NORMAL + static_cast<int>(vision))->trigger();
        const QImage image = PaintedClient(*dlg);
        // Pen 69's cell, the corner of pen 1's cell away from its number, pen 1's swatch.
        for (const auto& [pen, x, y] : {std::tuple{69, 110, 170}, {1, 14, 78}, {1, 31, 308}}) {
            EXPECT_EQ(PixelOf(image, x, y), Rgb(SimulateVision(light[pen], vision))) << pen;
        }
        EXPECT_EQ(ItemText(*dlg, IDC_PEN_RGB), QStringLiteral("R: 255 G: 000 B: 000"));
    }
    dlg->SendCommand(ID_VIEW_NORMAL);
    dlg->GetMenuItem(ID_VIEW_MARK_LOW_CONTRAST)->trigger();
    // Yellow pen 3 (1.07:1 on white) and pen 69 (2.6:1) are signed, red pen 1 (4:1) is not;
    // the sign stays through the hover mark and its removal.
    for (const int x : {105, 5}) {
        MoveTo(*dlg, x, 168);
        const QImage image = ScreenClient(*dlg);
        EXPECT_EQ(PixelOf(image, 102, 164), 0x000000u);
        EXPECT_EQ(PixelOf(image, 63 + 8, 77), 0x000000u);
        EXPECT_EQ(PixelOf(image, 64, 77 + 8), 0xffff00u);
        EXPECT_EQ(PixelOf(image, 13, 77), 0xff0000u);
    }
    const auto pens = QAccessible::queryAccessibleInterface(dlg->findChild<QWidget*>("penArea"));
    const auto mainPen = [&](int pen) {
        return pens->child(0)->tableInterface()->cellAt(0, pen - 1);
    };
    EXPECT_EQ(mainPen(3)->text(QAccessible::Description),
              QStringLiteral("R 255, G 255, B 0, low contrast"));
    EXPECT_EQ(mainPen(1)->text(QAccessible::Description), QStringLiteral("R 255, G 0, B 0"));
    dlg->SendCommand(ID_VIEW_MARK_LOW_CONTRAST);
    EXPECT_EQ(PaintedClient(*dlg), normal);
}

TEST_F(EditorPaint, TheViewMenuRemembersItsChoices) {
    QStringList menus;
    for (const QAction* menu : dlg->GetMenu()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus.join(' '), QStringLiteral("&File &Edit &View &Help"));
    dlg->SendCommand(ID_VIEW_TRITANOPIA);
    dlg->SendCommand(ID_VIEW_MARK_LOW_CONTRAST);
    Reopen();
    EXPECT_TRUE(dlg->GetMenuItem(ID_VIEW_TRITANOPIA)->isChecked());
    EXPECT_FALSE(dlg->GetMenuItem(ID_VIEW_NORMAL)->isChecked());
    EXPECT_TRUE(dlg->GetMenuItem(ID_VIEW_MARK_LOW_CONTRAST)->isChecked());
    EXPECT_EQ(PixelOf(PaintedClient(*dlg), 14, 78),
              Rgb(SimulateVision(0x0000FF, Vision::Tritanopia)));
    // A setting that names no vision shows the colours as they are.
    WriteProfileString(L"Tintora", L"Vision", L"sepia");
    Reopen();
    EXPECT_TRUE(dlg->GetMenuItem(ID_VIEW_NORMAL)->isChecked());
}

// The parts of a widget painted while it is watched.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// A click selects the pen and repaints its swatch alone; the hover mark on the clicked cell
// stays. With the pens focused, the focus ring's old and new lines are painted as well.
TEST_F(EditorPaint, AClickRepaintsTheSwatchAndTheFocusRingOnly) {
    auto* pens = dynamic_cast<PenArea*>(dlg->Client()->findChild<QWidget*>("penArea"));
    const auto ring = [pens](int pen) {
        const QRect outer = pens->PenRect(pen).adjusted(-1, -1, 1, 1).translated(pens->pos());
        return QRegion(outer).subtracted(QRegion(outer.adjusted(1, 1, -1, -1)));
    };
    const QRegion swatch(ToQRect(dlg->m_rcPenSwatch));
    for (const auto& [focused, x, y, pen, rect] :
         {std::tuple{false, 105, 168, 69, GridRect{102, 164, 118, 178}},
          {false, 20, 90, 1, GridRect{13, 77, 36, 103}},
          {true, 105, 168, 69, GridRect{102, 164, 118, 178}},
          {true, 300, 90, 10, GridRect{292, 77, 315, 103}}}) {
        dlg->activateWindow();
        (focused ? static_cast<QWidget*>(pens) : dlg->GetDlgItem(IDC_LIGHT_BACKGROUND))->setFocus();
        dlg->SelectPen(2);
        MoveTo(*dlg, x, y);
        Settle();
        PaintLog log(dlg->Client());
        ClickAt(*dlg, x, y);
        EXPECT_EQ(dlg->m_nSelectedPen, pen);
        EXPECT_EQ(log.painted, focused ? swatch + ring(2) + ring(pen) : swatch) << pen;
        if (!focused) {
            ExpectCell(ScreenClient(*dlg), pen, rect, true);
        } else { // the ring lies around the cell; the mark is still in it
            const COLORREF colour = dlg->ShownColour(pen);
            EXPECT_EQ(PixelOf(ScreenClient(*dlg), rect.left, rect.top + 5),
                      Rgb(colour) ^ 0xFFFFFFu);
        }
    }
}

TEST_F(EditorPaint, MinimisedWindowPaintsOnlyItsIcon) {
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
