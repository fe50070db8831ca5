#pragma once

#include "GridData.h"

class DrawingSurface;

// Painting of a drawn grid on its surface. The title row is a row of raised boxes in
// the title cells' colours with the titles centred and the sort mark at the right of
// the SortCol title; data cells are filled with their BackColor and their text drawn
// in ForeColor; the current cell shows white on dark blue in a bright and dark blue
// frame. The surface's font must be set.
namespace GridPaint {
constexpr ColorValue kCurrentBack = rgbValue(0, 0, 144);
constexpr ColorValue kCurrentText = rgbValue(255, 255, 255);
constexpr ColorValue kCurrentFrameLight = rgbValue(0, 0, 240);
constexpr ColorValue kCurrentFrameDark = rgbValue(0, 0, 64);
constexpr ColorValue kGridLine = 0xE0E0E0;
constexpr ColorValue kEmptyArea = 0xFFFFFF;
constexpr ColorValue kSortMark = 0x000000;
} // namespace GridPaint

// Repaints the whole surface: titles, visible cells, and the empty area around them.
void PaintGrid(const GridData& grid, DrawingSurface& surface);
// Repaints one cell (row -1: a title) when it is in view.
void PaintGridCell(const GridData& grid, DrawingSurface& surface, int row, int col);
