// Pen grid geometry: cell tables, drawn and pointer cells, hover and click mapping.
#include "editor/pen_grid_layout.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct GridShape {
    int columns;
    int rows;
};

GridShape ShapeOf(PenGrid grid) {
    switch (grid) {
    case PenGrid::Main:
        return {9, 1};
    case PenGrid::Secondary:
        return {6, 1};
    case PenGrid::Standard:
        break;
    }
    return {24, 10};
}

std::array<std::array<std::uint16_t, 24>, 10> MakeStandardTable() {
    std::array<std::array<std::uint16_t, 24>, 10> table{};
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 24; ++column) {
            table[row][column] = static_cast<std::uint16_t>(16 + 10 * column + row);
        }
    }
    return table;
}

// Index of the band of width step (starting at origin) that holds coordinate, where a
// band includes its upper boundary; limited to last.
int BandIndex(int coordinate, int origin, int step, int last) {
    int index = 0;
    int boundary = origin + step;
    while (coordinate > boundary && index < last) {
        ++index;
        boundary += step;
    }
    return index;
}

} // namespace

const std::array<std::uint16_t, 6> kSecondaryGridPens = {10, 11, 12, 13, 14, 15};
const std::array<std::array<std::uint16_t, 24>, 10> kStandardGridPens = MakeStandardTable();

int GridColumns(PenGrid grid) {
    return ShapeOf(grid).columns;
}
int GridRows(PenGrid grid) {
    return ShapeOf(grid).rows;
}

int PenAt(PenGrid grid, int row, int column) {
    switch (grid) {
    case PenGrid::Main:
        return column + 1;
    case PenGrid::Secondary:
        return kSecondaryGridPens[static_cast<std::size_t>(column)];
    case PenGrid::Standard:
        break;
    }
    return kStandardGridPens[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

std::optional<GridCell> CellOfPen(int pen) {
    if (pen >= 1 && pen <= 9) {
        return GridCell{PenGrid::Main, 0, pen - 1};
    }
    if (pen >= 10 && pen <= 15) {
        return GridCell{PenGrid::Secondary, 0, pen - 10};
    }
    if (pen >= 16 && pen <= 255) {
        return GridCell{PenGrid::Standard, (pen - 16) % 10, (pen - 16) / 10};
    }
    return std::nullopt;
}

GridRect DrawnCell(PenGrid grid, const GridRect& frame, int row, int column) {
    const int w = frame.Width();
    const int h = frame.Height();
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    switch (grid) {
    case PenGrid::Main:
        left = frame.left + 2 + column * (w / 9);
        top = frame.top + 2;
        width = (w - 16) / 9;
        height = h - 5;
        break;
    case PenGrid::Secondary:
        left = frame.left + 2 + column * (w / 6);
        top = frame.top + 2;
        width = (w - 10) / 6;
        height = h - 5;
        break;
    case PenGrid::Standard:
        left = frame.left + 1 + column * (w / 24);
        top = frame.top + 1 + row * (h / 10);
        width = (w - 46) / 24;
        height = (h - 18) / 10;
        break;
    }
    return {left, top, left + width, top + height};
}

GridRect PointerCell(PenGrid grid, const GridRect& frame, int row, int column) {
    GridRect cell = DrawnCell(grid, frame, row, column);
    if (grid != PenGrid::Standard) {
        cell.left -= 1;
        cell.right -= 1;
        cell.top -= 1;
        cell.bottom = cell.top + frame.Height() - 4;
    }
    return cell;
}

const GridRect& GridFrames::Of(PenGrid grid) const {
    switch (grid) {
    case PenGrid::Main:
        return main;
    case PenGrid::Secondary:
        return secondary;
    case PenGrid::Standard:
        break;
    }
    return standard;
}

namespace {

// The first of the three grid frames that contains the point.
const PenGrid* FrameAt(const GridFrames& frames, int x, int y) {
    for (const PenGrid& grid : kAllGrids) {
        if (frames.Of(grid).Contains(x, y)) {
            return &grid;
        }
    }
    return nullptr;
}

} // namespace

int HoverPenAt(const GridFrames& frames, int x, int y) {
    const PenGrid* grid = FrameAt(frames, x, y);
    if (grid == nullptr) {
        return 0;
    }
    const GridRect& frame = frames.Of(*grid);
    for (int row = 0; row < GridRows(*grid); ++row) {
        for (int column = 0; column < GridColumns(*grid); ++column) {
            if (PointerCell(*grid, frame, row, column).Contains(x, y)) {
                return PenAt(*grid, row, column);
            }
        }
    }
    return 0;
}

int ClickPenAt(const GridFrames& frames, int x, int y) {
    const PenGrid* grid = FrameAt(frames, x, y);
    if (grid == nullptr) {
        return 0;
    }
    const GridRect& frame = frames.Of(*grid);
    const int columns = GridColumns(*grid);
    const int rows = GridRows(*grid);
    const int column = BandIndex(x, frame.left, frame.Width() / columns, columns - 1);
    const int row = rows > 1 ? BandIndex(y, frame.top, frame.Height() / rows, rows - 1) : 0;
    return PenAt(*grid, row, column);
}

namespace {

// Pens 1 to 9 and 10 to 15: the row the two small grids form together.
constexpr int kTopRowLength = 15;

GridCell TopRowCell(int index) {
    return index < 9 ? GridCell{PenGrid::Main, 0, index}
                     : GridCell{PenGrid::Secondary, 0, index - 9};
}

// Twice the horizontal centre of a drawn cell (whole numbers, no halves lost).
int DoubleCentre(const GridFrames& frames, const GridCell& cell) {
    const GridRect rect = DrawnCell(cell.grid, frames.Of(cell.grid), cell.row, cell.column);
    return rect.left + rect.right;
}

// The cell among count cells (by index) whose centre is nearest to centre; the first wins a
// tie.
template <typename CellOf>
GridCell NearestCell(const GridFrames& frames, int centre, int count, CellOf cellOf) {
    GridCell best = cellOf(0);
    int bestDistance = std::abs(DoubleCentre(frames, best) - centre);
    for (int i = 1; i < count; ++i) {
        const GridCell cell = cellOf(i);
        const int distance = std::abs(DoubleCentre(frames, cell) - centre);
        if (distance < bestDistance) {
            best = cell;
            bestDistance = distance;
        }
    }
    return best;
}

int StepInTopRow(const GridFrames& frames, const GridCell& cell, PenStep step) {
    const int index = cell.grid == PenGrid::Main ? cell.column : 9 + cell.column;
    switch (step) {
    case PenStep::Left:
        return index > 0 ? index : 1; // pen numbers are index + 1
    case PenStep::Right:
        return index + 1 < kTopRowLength ? index + 2 : kTopRowLength;
    case PenStep::Up:
        return index + 1;
    case PenStep::Down:
        break;
    }
    const GridCell below = NearestCell(frames, DoubleCentre(frames, cell),
                                       GridColumns(PenGrid::Standard), [](int column) {
                                           return GridCell{PenGrid::Standard, 0, column};
                                       });
    return PenAt(PenGrid::Standard, below.row, below.column);
}

int StepInStandardGrid(const GridFrames& frames, const GridCell& cell, PenStep step) {
    int row = cell.row;
    int column = cell.column;
    switch (step) {
    case PenStep::Left:
        column = std::max(column - 1, 0);
        break;
    case PenStep::Right:
        column = std::min(column + 1, GridColumns(PenGrid::Standard) - 1);
        break;
    case PenStep::Down:
        row = std::min(row + 1, GridRows(PenGrid::Standard) - 1);
        break;
    case PenStep::Up:
        if (row == 0) {
            const GridCell above =
                NearestCell(frames, DoubleCentre(frames, cell), kTopRowLength, TopRowCell);
            return PenAt(above.grid, above.row, above.column);
        }
        --row;
        break;
    }
    return PenAt(PenGrid::Standard, row, column);
}

} // namespace

int PenAfterStep(const GridFrames& frames, int pen, PenStep step) {
    const std::optional<GridCell> cell = CellOfPen(pen);
    if (!cell) {
        return pen;
    }
    return cell->grid == PenGrid::Standard ? StepInStandardGrid(frames, *cell, step)
                                           : StepInTopRow(frames, *cell, step);
}
