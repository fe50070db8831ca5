#include "GridPainter.h"

#include "DrawingSurface.h"
#include "GridGeometry.h"

#include <algorithm>

namespace {

PixelRect pixelRect(const GridRect& r)
{
    PixelRect p;
    p.set(r.left, r.top, r.right, r.bottom);
    return p;
}

// A small triangle, pointing up for state 1 and down for state 2.
void paintSortMark(DrawingSurface& surface, const PixelRect& cell, int state)
{
    constexpr int kHalf = 3;
    const int cx = cell.right - 4 - kHalf;
    const int top = cell.top + (cell.height() - (kHalf + 1)) / 2;
    for (int i = 0; i <= kHalf; ++i) {
        const int half = state == 1 ? i : kHalf - i;
        PixelRect line;
        line.set(cx - half, top + i, cx + half + 1, top + i + 1);
        surface.fillRect(line, GridPaint::kSortMark);
    }
}

void paintTitle(const GridData& grid, DrawingSurface& surface, int col, const PixelRect& r)
{
    const GridCell& cell = grid.Cell(col, -1);
    surface.fillRect(r, cell.BackColor);
    surface.drawEdge(r, Edge::Raised);
    surface.setForeColor(cell.ForeColor);
    surface.drawText(r, cell.Text, 5, true);
    if (grid.SortCol == col && grid.SortState != 0)
        paintSortMark(surface, r, grid.SortState);
}

void paintData(const GridData& grid, DrawingSurface& surface, int row, int col, const PixelRect& r)
{
    const GridCell& cell = grid.Cell(col, row);
    const qint32 align = grid.ColAlign.value(col, GridAlign::Left);
    if (row == grid.CurRow && col == grid.CurCol) {
        surface.fillRect(r, GridPaint::kCurrentBack);
        PixelRect inner = r;
        surface.frameRect(r, GridPaint::kCurrentFrameLight);
        inner.inflate(-1, -1);
        surface.frameRect(inner, GridPaint::kCurrentFrameDark);
        surface.setForeColor(GridPaint::kCurrentText);
    } else {
        surface.fillRect(r, cell.BackColor);
        PixelRect right;
        right.set(r.right - 1, r.top, r.right, r.bottom);
        PixelRect bottom;
        bottom.set(r.left, r.bottom - 1, r.right, r.bottom);
        surface.fillRect(right, GridPaint::kGridLine);
        surface.fillRect(bottom, GridPaint::kGridLine);
        surface.setForeColor(cell.ForeColor);
    }
    surface.drawText(r, cell.Text, align, true);
}

} // namespace

void PaintGridCell(const GridData& grid, DrawingSurface& surface, int row, int col)
{
    if (!grid.Allocated || !grid.hasCell(col, row))
        return;
    const GridRect r = CellRect(grid, col, row);
    if (r.isEmpty() || r.left >= surface.width() || r.top >= surface.height())
        return;
    if (row == -1)
        paintTitle(grid, surface, col, pixelRect(r));
    else
        paintData(grid, surface, row, col, pixelRect(r));
}

void PaintGrid(const GridData& grid, DrawingSurface& surface)
{
    PixelRect all;
    all.set(0, 0, surface.width(), surface.height());
    surface.fillRect(all, GridPaint::kEmptyArea);
    if (!grid.Allocated)
        return;
    const int shownRows = (surface.height() - grid.HeaderHeight) / std::max<int>(1, grid.RowHeight) + 1;
    const int firstPos = std::max(0, grid.VScrollValue);
    const int lastPos = std::min<int>(grid.Rows, firstPos + shownRows);
    for (int cpos = std::max(0, grid.HScrollValue); cpos < grid.ColOrder.size(); ++cpos) {
        const int col = grid.ColOrder[cpos];
        if (ColumnLeft(grid, cpos) >= surface.width())
            break;
        PaintGridCell(grid, surface, -1, col);
        for (int rpos = firstPos; rpos < lastPos; ++rpos)
            PaintGridCell(grid, surface, grid.RowOrder[rpos], col);
    }
}
