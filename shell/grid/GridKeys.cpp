#include "GridKeys.h"

#include "Dialogs.h"

#include <QtCore/qnamespace.h>

#include <algorithm>

namespace {

bool moveRowBy(GridData& grid, int step)
{
    if (grid.Rows <= 0)
        return false;
    const int pos = RowPosition(grid, grid.CurRow);
    const int from = pos < 0 ? 0 : pos;
    const int to = std::clamp(from + step, 0, grid.Rows - 1);
    const int row = grid.RowOrder.value(to, to);
    if (row == grid.CurRow)
        return false;
    grid.CurRow = row;
    return true;
}

void moveColumnBy(GridData& grid, int step)
{
    if (grid.Cols <= 0)
        return;
    const int pos = ColumnPosition(grid, grid.CurCol);
    const int from = pos < 0 ? 0 : pos;
    const int to = std::clamp(from + step, 0, grid.Cols - 1);
    grid.CurCol = grid.ColOrder.value(to, static_cast<qint16>(to));
}

} // namespace

GridKeyEffect GridKeyDown(GridData& grid, int key)
{
    GridKeyEffect e;
    const int page = std::max(1, grid.VScrollPage);
    switch (key) {
    case Qt::Key_Left: moveColumnBy(grid, -1); break;
    case Qt::Key_Right: moveColumnBy(grid, 1); break;
    case Qt::Key_Up: e.rowMoved = moveRowBy(grid, -1); break;
    case Qt::Key_Down: e.rowMoved = moveRowBy(grid, 1); break;
    case Qt::Key_PageUp: e.rowMoved = moveRowBy(grid, -page); break;
    case Qt::Key_PageDown: e.rowMoved = moveRowBy(grid, page); break;
    case Qt::Key_Space: e.startEdit = true; break;
    default: return e;
    }
    e.handled = true;
    ScrollToCurrent(grid);
    e.repaint = true;
    return e;
}

bool StartEdit(GridData& grid, GridMouseState& mouse, GridEditBox& box)
{
    mouse.mode = GridMouseMode::Idle;
    if (grid.Pressed)
        return false;
    if (grid.EditCol >= 0 && grid.EditCol < grid.Cols)
        grid.CurCol = grid.EditCol;
    if (grid.CurCol < 0 || grid.CurCol >= grid.Cols || grid.CurRow == kRowTitle) {
        box.hide();
        return false;
    }
    if (grid.CurRow < 0 || grid.CurRow >= grid.Rows) {
        dialogs().beep();
        box.hide();
        return false;
    }
    ScrollToCurrent(grid);
    GridRect r = CellRect(grid, grid.CurCol, grid.CurRow);
    r.left += 1;
    r.top += 1;
    r.right -= 1;
    r.bottom -= 1;
    box.placeAt(r);
    box.setText(grid.Cell(grid.CurCol, grid.CurRow).Text.trimmed());
    box.showFocused();
    grid.EditCancelled = false;
    return true;
}

bool EditKeySwallowed(int key)
{
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool EditKey(GridData& grid, int key, GridEditBox& box, QString* oldText)
{
    if (key == Qt::Key_Escape) {
        grid.EditCancelled = true;
        box.hide();
        return false;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    box.hide();
    if (!grid.hasCell(grid.CurCol, grid.CurRow) || grid.CurRow < 0)
        return false;
    if (oldText)
        *oldText = grid.Cell(grid.CurCol, grid.CurRow).Text;
    SetCellText(grid, grid.CurCol, grid.CurRow, box.text());
    grid.EditCancelled = false;
    return true;
}
