#include "GridGeometry.h"

#include <algorithm>
#include <cstdlib>

int RowAt(const GridData& grid, int y)
{
    if (y < 0)
        return kOutside;
    if (y <= grid.HeaderHeight)
        return kRowTitle;
    int bottom = grid.HeaderHeight;
    for (int pos = std::max(0, grid.VScrollValue); pos < grid.RowOrder.size(); ++pos) {
        bottom += grid.RowHeight;
        if (bottom > y)
            return grid.RowOrder[pos];
        if (bottom > grid.SurfaceHeight && grid.SurfaceHeight > 0)
            break;
    }
    return kOutside;
}

int ColumnAt(const GridData& grid, int x)
{
    if (x < 0)
        return kOutside;
    int right = 0;
    for (int pos = std::max(0, grid.HScrollValue); pos < grid.ColOrder.size(); ++pos) {
        right += grid.ColWidth.value(grid.ColOrder[pos]);
        if (right > x)
            return grid.ColOrder[pos];
    }
    return kOutside;
}

int ColumnLeft(const GridData& grid, int pos)
{
    if (pos < grid.HScrollValue)
        return -1;
    int left = 0;
    for (int p = std::max(0, grid.HScrollValue); p < pos && p < grid.ColOrder.size(); ++p)
        left += grid.ColWidth.value(grid.ColOrder[p]);
    return left;
}

GridRect CellRect(const GridData& grid, int col, int row)
{
    const int cpos = ColumnPosition(grid, col);
    if (cpos < 0 || cpos < grid.HScrollValue)
        return {};
    GridRect r;
    r.left = ColumnLeft(grid, cpos);
    r.right = r.left + grid.ColWidth.value(col);
    if (row == kRowTitle) {
        r.top = 0;
        r.bottom = grid.HeaderHeight;
        return r;
    }
    const int rpos = RowPosition(grid, row);
    if (rpos < 0 || rpos < grid.VScrollValue)
        return {};
    r.top = grid.HeaderHeight + (rpos - grid.VScrollValue) * grid.RowHeight;
    r.bottom = r.top + grid.RowHeight;
    return r;
}

int VisibleRowCount(const GridData& grid)
{
    const int room = grid.SurfaceHeight - grid.HeaderHeight;
    return std::max(1, grid.RowHeight > 0 ? room / grid.RowHeight : 1);
}

namespace {

int totalWidth(const GridData& grid)
{
    int w = 0;
    for (qint16 c : grid.ColOrder)
        w += grid.ColWidth.value(c);
    return w;
}

// The first column position from which every remaining column fits in `width`.
int lastFirstColumn(const GridData& grid, int width)
{
    int used = 0;
    int pos = static_cast<int>(grid.ColOrder.size());
    while (pos > 0) {
        const int w = grid.ColWidth.value(grid.ColOrder[pos - 1]);
        if (used + w > width && pos < grid.ColOrder.size())
            break;
        used += w;
        --pos;
    }
    return pos;
}

} // namespace

GridScrollLayout LayoutScrollBars(const GridData& grid, int areaWidth, int areaHeight, int barExtent)
{
    GridScrollLayout l;
    const int rowHeight = std::max<int>(1, grid.RowHeight);
    const int allColumns = totalWidth(grid);
    bool v = false;
    bool h = false;
    for (int pass = 0; pass < 2; ++pass) {
        const int w = areaWidth - (v ? barExtent : 0);
        const int hgt = areaHeight - (h ? barExtent : 0);
        v = grid.Rows > std::max(0, (hgt - grid.HeaderHeight) / rowHeight);
        h = allColumns > w;
    }
    l.vVisible = v;
    l.hVisible = h;
    l.surfaceWidth = std::max(1, areaWidth - (v ? barExtent : 0));
    l.surfaceHeight = std::max(1, areaHeight - (h ? barExtent : 0));
    const int fullRows = std::max(1, (l.surfaceHeight - grid.HeaderHeight) / rowHeight);
    l.vPage = fullRows;
    l.vMax = std::max(0, static_cast<int>(grid.Rows) - fullRows);
    l.hMax = h ? lastFirstColumn(grid, l.surfaceWidth) : 0;
    return l;
}

void ApplyScrollLayout(GridData& grid, const GridScrollLayout& layout)
{
    grid.SurfaceWidth = layout.surfaceWidth;
    grid.SurfaceHeight = layout.surfaceHeight;
    grid.VScrollMax = layout.vMax;
    grid.VScrollPage = layout.vPage;
    grid.HScrollMax = layout.hMax;
    grid.VScrollValue = std::clamp(grid.VScrollValue, 0, grid.VScrollMax);
    grid.HScrollValue = std::clamp(grid.HScrollValue, 0, grid.HScrollMax);
}

bool ScrollToCurrent(GridData& grid)
{
    const qint32 oldV = grid.VScrollValue;
    const qint32 oldH = grid.HScrollValue;
    const int rpos = RowPosition(grid, grid.CurRow);
    if (rpos >= 0) {
        const int shown = VisibleRowCount(grid);
        if (rpos < grid.VScrollValue)
            grid.VScrollValue = rpos;
        else if (rpos >= grid.VScrollValue + shown)
            grid.VScrollValue = rpos - shown + 1;
        grid.VScrollValue = std::clamp(grid.VScrollValue, 0, std::max(grid.VScrollMax, rpos));
    }
    const int cpos = ColumnPosition(grid, grid.CurCol);
    if (cpos >= 0) {
        if (cpos < grid.HScrollValue) {
            grid.HScrollValue = cpos;
        } else {
            // Move right until the column's right edge is on the surface (or it is first).
            while (grid.HScrollValue < cpos
                   && ColumnLeft(grid, cpos) + grid.ColWidth.value(grid.CurCol) > grid.SurfaceWidth)
                ++grid.HScrollValue;
        }
    }
    return grid.VScrollValue != oldV || grid.HScrollValue != oldH;
}

int ColumnBorderAt(const GridData& grid, int x, int reach)
{
    int right = 0;
    for (int pos = std::max(0, grid.HScrollValue); pos < grid.ColOrder.size(); ++pos) {
        const int col = grid.ColOrder[pos];
        right += grid.ColWidth.value(col);
        if (std::abs(x - right) <= reach)
            return col;
        if (right - reach > x)
            break;
    }
    return -1;
}
