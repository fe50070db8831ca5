#pragma once

#include "GridData.h"

// Where things are on a grid's surface, in pixels. The title row is drawn at the top,
// HeaderHeight high; below it the rows in RowOrder from position VScrollValue, each
// RowHeight high. Columns run from the left edge in ColOrder from position
// HScrollValue, each ColWidth wide.

// A rectangle in surface pixels, right and bottom just outside.
struct GridRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const GridRect&, const GridRect&) = default;
};

inline constexpr int kRowTitle = -1;
inline constexpr int kOutside = -2;

// Row under y: -1 on the title row (0 <= y <= HeaderHeight), -2 above the surface or
// past the last row.
int RowAt(const GridData& grid, int y);
// Column under x: -2 left of the surface or past the last column.
int ColumnAt(const GridData& grid, int x);

// Left edge of the column at display position `pos`; only positions from
// HScrollValue on are placed, earlier ones give -1.
int ColumnLeft(const GridData& grid, int pos);
// Rectangle of a cell (row -1 is the title row); empty when the cell is scrolled out
// of view on the left or above.
GridRect CellRect(const GridData& grid, int col, int row);
// Rows whose whole height fits under the title row (at least 1).
int VisibleRowCount(const GridData& grid);

// The scroll bars that a grid of this size needs, given the outer size of the grid's
// area and the width of a scroll bar: a bar takes room from the surface only when it
// is shown, and showing one may make the other necessary.
struct GridScrollLayout {
    int surfaceWidth = 0;
    int surfaceHeight = 0;
    bool vVisible = false;
    bool hVisible = false;
    int vMax = 0;
    int vPage = 1;
    int hMax = 0;
};
GridScrollLayout LayoutScrollBars(const GridData& grid, int areaWidth, int areaHeight, int barExtent);
// Stores the layout's surface size and ranges in the grid and clamps the values.
void ApplyScrollLayout(GridData& grid, const GridScrollLayout& layout);

// Scrolls so that the current cell is in view. True when a value changed.
bool ScrollToCurrent(GridData& grid);

// The column whose right border lies within `reach` pixels of x on the title row, or
// -1. Borders are tested from the left, so a border shared by two columns belongs to
// the column on its left.
int ColumnBorderAt(const GridData& grid, int x, int reach = 4);
