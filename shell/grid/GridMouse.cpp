#include "GridMouse.h"

#include "GridGeometry.h"

#include <algorithm>
#include <cstdlib>

GridMouseState& sharedGridMouse()
{
    static GridMouseState state;
    return state;
}

int ColumnDropPosition(const GridData& grid, int x)
{
    if (grid.ColOrder.isEmpty())
        return -1;
    if (x < 0)
        return std::max(0, grid.HScrollValue);
    const int col = ColumnAt(grid, x);
    if (col == kOutside)
        return static_cast<int>(grid.ColOrder.size()) - 1;
    return ColumnPosition(grid, col);
}

namespace {

int dropIndicatorX(const GridData& grid, int movingCol, int x)
{
    const int target = ColumnDropPosition(grid, x);
    const int from = ColumnPosition(grid, movingCol);
    const int left = ColumnLeft(grid, target);
    if (target < 0 || left < 0)
        return -1;
    return target <= from ? left : left + grid.ColWidth.value(grid.ColOrder[target]);
}

void hover(const GridData& grid, GridMouseState& mouse, int x, int y, GridMouseEffect& e)
{
    const int border = RowAt(grid, y) == kRowTitle ? ColumnBorderAt(grid, x) : -1;
    if (border >= 0) {
        mouse.mode = GridMouseMode::NearBorder;
        mouse.column = border;
        mouse.widthAtPress = grid.ColWidth.value(border);
        e.cursor = GridCursor::SizeColumn;
    } else {
        mouse.mode = GridMouseMode::Idle;
        e.cursor = GridCursor::Arrow;
    }
}

// A release with no left press under way (after a right click, or once a drag took over).
void releaseIdle(GridData& grid, GridButton button, int x, int y, GridMouseEffect& e)
{
    const int row = RowAt(grid, y);
    if (row == kOutside && y > grid.HeaderHeight) {
        // Below the last row: the current row counts as clicked; the right button
        // still gets its menu, so an empty grid can be given rows.
        e.result = button == GridButton::Right ? GridClick::RightClick : GridClick::Row;
        return;
    }
    const int col = ColumnAt(grid, x);
    if (row < 0 || col == kOutside)
        return;
    grid.CurRow = row;
    grid.CurCol = col;
    e.repaint = true;
    if (button == GridButton::Right)
        e.result = GridClick::RightClick;
}

void releasePress(GridData& grid, int x, int y, GridMouseEffect& e)
{
    grid.Pressed = false;
    const int col = ColumnAt(grid, x);
    if (col == kOutside || y < 0)
        return;
    if (RowAt(grid, y) == kRowTitle) {
        if (grid.SortCol != col) {
            grid.SortCol = static_cast<qint16>(col);
            grid.SortState = 0;
        }
        grid.SortState = static_cast<quint8>((grid.SortState + 1) % 3);
        e.repaint = true;
        return;
    }
    e.result = GridClick::Row;
}

void moveColumn(GridData& grid, int col, int x)
{
    const int from = ColumnPosition(grid, col);
    const int to = ColumnDropPosition(grid, x);
    if (from < 0 || to < 0 || from == to)
        return;
    grid.ColOrder.move(from, to);
}

} // namespace

GridMouseEffect GridMouseDown(GridData& grid, GridMouseState& mouse, GridButton button, int x, int y)
{
    GridMouseEffect e;
    if (button != GridButton::Left)
        return e;
    if (mouse.mode == GridMouseMode::NearBorder) {
        mouse.pressX = x;
        mouse.pressY = y;
        mouse.mode = GridMouseMode::Resizing;
        return e;
    }
    if (mouse.mode != GridMouseMode::Idle)
        return e;
    mouse.pressX = x;
    mouse.pressY = y;
    mouse.mode = GridMouseMode::Pressed;
    grid.Pressed = true;
    mouse.pressRow = RowAt(grid, y);
    const int col = ColumnAt(grid, x);
    if (mouse.pressRow == kRowTitle) {
        mouse.column = col;
    } else if (mouse.pressRow >= 0 && col != kOutside) {
        grid.CurRow = mouse.pressRow;
        grid.CurCol = col;
        grid.Pressed = false;
        e.repaint = true;
    }
    return e;
}

GridMouseEffect GridMouseMove(GridData& grid, GridMouseState& mouse, GridButton, int x, int y)
{
    GridMouseEffect e;
    switch (mouse.mode) {
    case GridMouseMode::Idle:
    case GridMouseMode::NearBorder:
        hover(grid, mouse, x, y, e);
        break;
    case GridMouseMode::Pressed:
        if (ColumnAt(grid, x) == kOutside) {
            mouse.mode = GridMouseMode::Idle;
            grid.Pressed = false;
        } else if (std::abs(x - mouse.pressX) > kDragSlack) {
            if (mouse.pressRow >= 0) {
                mouse.mode = GridMouseMode::Idle;
                e.dragText = CellTextTrimmed(grid, 0, grid.CurRow);
                e.startDrag = !e.dragText.isEmpty();
            } else if (mouse.pressRow == kRowTitle && mouse.column >= 0) {
                mouse.mode = GridMouseMode::MovingColumn;
                e.cursor = GridCursor::MoveColumn;
                e.dropX = dropIndicatorX(grid, mouse.column, x);
            }
        }
        break;
    case GridMouseMode::Resizing:
        if (mouse.column >= 0 && mouse.column < grid.ColWidth.size()) {
            const int width = std::clamp(mouse.widthAtPress + (x - mouse.pressX), kMinColumnWidth, kMaxColumnWidth);
            if (grid.ColWidth[mouse.column] != width) {
                grid.ColWidth[mouse.column] = static_cast<qint16>(width);
                e.repaint = true;
            }
        }
        break;
    case GridMouseMode::MovingColumn:
        e.dropX = dropIndicatorX(grid, mouse.column, x);
        break;
    }
    return e;
}

GridMouseEffect GridMouseUp(GridData& grid, GridMouseState& mouse, GridButton button, int x, int y)
{
    GridMouseEffect e;
    e.hideEdit = true;
    const GridMouseMode mode = mouse.mode;
    if (mode != GridMouseMode::Idle && mode != GridMouseMode::NearBorder && button != GridButton::Left)
        return e;
    mouse.mode = GridMouseMode::Idle;
    switch (mode) {
    case GridMouseMode::Idle:
    case GridMouseMode::NearBorder:
        grid.Pressed = false;
        releaseIdle(grid, button, x, y, e);
        break;
    case GridMouseMode::Resizing:
        e.result = GridClick::Resized;
        e.repaint = true;
        break;
    case GridMouseMode::MovingColumn:
        moveColumn(grid, mouse.column, x);
        grid.Pressed = false;
        e.cursor = GridCursor::Arrow;
        e.repaint = true;
        break;
    case GridMouseMode::Pressed:
        releasePress(grid, x, y, e);
        break;
    }
    return e;
}
