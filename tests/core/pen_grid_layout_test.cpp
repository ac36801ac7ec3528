// Grid geometry against the worked examples of the editor window's layout.
#include <gtest/gtest.h>

#include <set>

#include "editor/pen_grid_layout.h"

namespace {

// The editor's frames in pixels (dialog units converted with base units 6 x 13).
const GridFrames kFrames = {
    {11, 75, 241, 106},  // main
    {290, 75, 443, 106}, // secondary
    {11, 115, 443, 278}, // standard
    {29, 306, 194, 339}, // selected-pen swatch
    {266, 306, 431, 339} // marker swatch
};

struct DrawnCase {
    int pen;
    GridRect drawn;
};

TEST(PenGridLayout, DrawnCellsOfTheExamples) {
    const DrawnCase cases[] = {
        {16, {12, 116, 28, 130}},  {69, {102, 164, 118, 178}}, {255, {426, 260, 442, 274}},
        {1, {13, 77, 36, 103}},    {9, {213, 77, 236, 103}},   {10, {292, 77, 315, 103}},
        {15, {417, 77, 440, 103}},
    };
    for (const auto& c : cases) {
        auto cell = CellOfPen(c.pen);
        ASSERT_TRUE(cell) << c.pen;
        EXPECT_EQ(PenAt(cell->grid, cell->row, cell->column), c.pen);
        EXPECT_EQ(DrawnCell(cell->grid, kFrames.Of(cell->grid), cell->row, cell->column), c.drawn)
            << "pen " << c.pen;
    }
}

TEST(PenGridLayout, EveryUsablePenIsInExactlyOneCell) {
    std::multiset<int> pens;
    for (PenGrid grid : kAllGrids) {
        for (int r = 0; r < GridRows(grid); ++r) {
            for (int c = 0; c < GridColumns(grid); ++c) {
                pens.insert(PenAt(grid, r, c));
            }
        }
    }
    ASSERT_EQ(pens.size(), 255u);
    for (int pen = 1; pen <= 255; ++pen) {
        EXPECT_EQ(pens.count(pen), 1u) << pen;
    }
    EXPECT_FALSE(CellOfPen(0));
    EXPECT_FALSE(CellOfPen(256));
}

TEST(PenGridLayout, PointerCellOfMainGridIsShiftedAndTaller) {
    EXPECT_EQ(PointerCell(PenGrid::Main, kFrames.main, 0, 0), (GridRect{12, 76, 35, 103}));
    EXPECT_EQ(PointerCell(PenGrid::Standard, kFrames.standard, 3, 5),
              DrawnCell(PenGrid::Standard, kFrames.standard, 3, 5));
}

struct PointCase {
    int x;
    int y;
    int pen;
};

TEST(PenGridLayout, HoverFindsOnlyPointerCells) {
    const PointCase cases[] = {
        {20, 90, 1}, {34, 76, 1},   {35, 90, 0},   {36, 90, 0},  {37, 90, 2},
        {20, 75, 0}, {20, 103, 0},  {12, 116, 16}, {28, 116, 0}, {441, 273, 255},
        {5, 5, 0},   {300, 90, 10}, {445, 90, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HoverPenAt(kFrames, c.x, c.y), c.pen) << c.x << "," << c.y;
    }
}

TEST(PenGridLayout, ClickUsesBandsAndEdgeStrips) {
    const PointCase cases[] = {
        {11, 75, 1},   {36, 105, 1},    {37, 75, 2},   {237, 90, 9},  {240, 90, 9},
        {241, 90, 0},  {290, 80, 10},   {442, 80, 15}, {11, 115, 16}, {11, 276, 25},
        {11, 277, 25}, {442, 277, 255}, {29, 131, 16}, {30, 132, 27}, {10, 90, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClickPenAt(kFrames, c.x, c.y), c.pen) << c.x << "," << c.y;
    }
}

} // namespace
