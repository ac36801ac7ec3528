// Where every pen is drawn and hit: the pure geometry of the three pen grids, computed from
// the five frame rectangles alone. No window system here, so it is tested directly.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

// A rectangle with left and top inside, right and bottom outside (client pixels).
struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Intersects(const GridRect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    GridRect Deflated(int by) const { return {left + by, top + by, right - by, bottom - by}; }
    friend bool operator==(const GridRect&, const GridRect&) = default;
};

enum class PenGrid { Main, Secondary, Standard };

inline constexpr std::array<PenGrid, 3> kAllGrids = {PenGrid::Main, PenGrid::Secondary,
                                                     PenGrid::Standard};

// Pens of the secondary grid by column, and of the standard grid by row and column.
extern const std::array<std::uint16_t, 6> kSecondaryGridPens;
extern const std::array<std::array<std::uint16_t, 24>, 10> kStandardGridPens;

int GridColumns(PenGrid grid);
int GridRows(PenGrid grid);

// The pen shown in (row, column) of grid.
int PenAt(PenGrid grid, int row, int column);

struct GridCell {
    PenGrid grid;
    int row;
    int column;
};
// Which grid, row and column show pen; nullopt for pen 0 and numbers outside 1-255.
std::optional<GridCell> CellOfPen(int pen);

// The rectangle a cell is filled in.
GridRect DrawnCell(PenGrid grid, const GridRect& frame, int row, int column);
// The rectangle in which the pointer is over a cell (one pixel further left and up and one
// taller than the drawn cell for the two small grids; the drawn cell for the standard grid).
GridRect PointerCell(PenGrid grid, const GridRect& frame, int row, int column);

// The five areas of the editor window.
struct GridFrames {
    GridRect main;
    GridRect secondary;
    GridRect standard;
    GridRect penSwatch;
    GridRect markerSwatch;

    const GridRect& Of(PenGrid grid) const;
};

// The pen whose pointer cell holds (x, y): only the first frame containing the point, in
// the order main, secondary, standard, is searched. 0 when the point is on no cell.
int HoverPenAt(const GridFrames& frames, int x, int y);
// The pen a click at (x, y) selects: within a frame every point belongs to the column (and
// row) band around it, the edge strips to the last one. 0 when outside the three frames.
int ClickPenAt(const GridFrames& frames, int x, int y);

// A step of the keyboard selection.
enum class PenStep { Left, Right, Up, Down };

// The pen a step from pen leads to; pen itself at an edge. Left and Right move along the row
// as drawn (pens 1 to 9 then 10 to 15 form one row; each standard-grid row is one). Down from
// that first row, and Up from the standard grid's top row, go to the cell of the other row
// whose horizontal centre is nearest; inside the standard grid Up and Down move one row.
int PenAfterStep(const GridFrames& frames, int pen, PenStep step);
