// Grid geometry against the worked examples of the editor window's layout, from
// data/cases/pen_grid.txt, and the cells' cover of the pens.
#include <gtest/gtest.h>

#include <set>

#include "case_table.h"

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

class PenGridCases : public testing::TestWithParam<CaseRow> {};

TEST_P(PenGridCases, Row) {
    const CaseRow& row = GetParam();
    if (row[0] == "drawn") {
        const int pen = row.Int(1);
        auto cell = CellOfPen(pen);
        ASSERT_TRUE(cell);
        EXPECT_EQ(PenAt(cell->grid, cell->row, cell->column), pen);
        const std::vector<int> r = row.Ints(2);
        EXPECT_EQ(DrawnCell(cell->grid, kFrames.Of(cell->grid), cell->row, cell->column),
                  (GridRect{r.at(0), r.at(1), r.at(2), r.at(3)}));
    } else {
        const auto at = row[0] == "hover" ? HoverPenAt : ClickPenAt;
        EXPECT_EQ(at(kFrames, row.Int(1), row.Int(2)), row.Int(3));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PenGridCases, testing::ValuesIn(ReadCaseTable("pen_grid.txt")),
                         CaseName);

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

} // namespace
