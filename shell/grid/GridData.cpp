#include "GridData.h"

#include "Format.h"

#include <algorithm>
#include <numeric>

namespace {

GridColumnSetup setupOf(const GridData& grid, int col)
{
    return col < grid.Setup.size() ? grid.Setup[col] : GridColumnSetup{};
}

void identity(QVector<qint32>& order, int n)
{
    order.resize(std::max(0, n));
    std::iota(order.begin(), order.end(), 0);
}

GridCell titleCell(const GridColumnSetup& s)
{
    GridCell c;
    c.BackColor = s.TitleBackColor;
    c.ForeColor = 0x000000;
    c.Text = s.Title;
    return c;
}

} // namespace

void AllocateGrid(GridData& grid)
{
    const int cols = std::max<int>(0, grid.Cols);
    const int rows = std::max<int>(0, grid.Rows);
    grid.Cols = static_cast<qint16>(cols);
    grid.Rows = rows;

    grid.ColWidth.resize(cols);
    grid.ColAlign.resize(cols);
    grid.ColFormat.resize(cols);
    grid.ColOrder.resize(cols);
    grid.Cells.fill(GridCell{}, (rows + 1) * cols);
    for (int c = 0; c < cols; ++c) {
        const GridColumnSetup s = setupOf(grid, c);
        grid.ColWidth[c] = s.Width;
        grid.ColAlign[c] = s.Align;
        grid.ColFormat[c] = s.Format;
        grid.ColOrder[c] = static_cast<qint16>(c);
        grid.Cell(c, -1) = titleCell(s);
    }
    identity(grid.RowOrder, rows);
    grid.CurCol = 0;
    grid.CurRow = 0;
    grid.SortCol = -1;
    grid.SortState = 0;
    grid.Pressed = false;
    grid.EditCancelled = false;
    grid.Allocated = true;
}

void RedimGrid(GridData& grid)
{
    const int oldCols = grid.ColWidth.size();
    const int oldRows = oldCols > 0 ? static_cast<int>(grid.Cells.size() / oldCols) - 1 : 0;
    const int cols = std::max<int>(0, grid.Cols);
    const int rows = std::max<int>(0, grid.Rows);
    if (!grid.Allocated || cols != oldCols) {
        QVector<GridCell> cells((rows + 1) * cols);
        for (int r = -1; r < std::min(rows, oldRows); ++r)
            for (int c = 0; c < std::min(cols, oldCols); ++c)
                cells[(r + 1) * cols + c] = grid.Cells[(r + 1) * oldCols + c];
        grid.Cells = std::move(cells);
        grid.ColWidth.resize(cols);
        grid.ColAlign.resize(cols);
        grid.ColFormat.resize(cols);
        for (int c = oldCols; c < cols; ++c) {
            const GridColumnSetup s = setupOf(grid, c);
            grid.ColWidth[c] = s.Width;
            grid.ColAlign[c] = s.Align;
            grid.ColFormat[c] = s.Format;
            grid.Cells[c] = titleCell(s);
        }
        QVector<qint16> order;
        for (qint16 c : grid.ColOrder)
            if (c < cols)
                order.append(c);
        for (int c = oldCols; c < cols; ++c)
            order.append(static_cast<qint16>(c));
        grid.ColOrder = order;
    } else {
        grid.Cells.resize((rows + 1) * cols);
    }
    identity(grid.RowOrder, rows);
    grid.Allocated = true;
}

void SetCellText(GridData& grid, int col, int row, const QString& text)
{
    if (!grid.hasCell(col, row))
        return;
    grid.Cell(col, row).Text = formatString(text, grid.ColFormat.value(col));
}

QString CellTextTrimmed(const GridData& grid, int col, int row)
{
    return grid.hasCell(col, row) ? grid.Cell(col, row).Text.trimmed() : QString();
}

void ResetRowOrder(GridData& grid)
{
    identity(grid.RowOrder, grid.Rows);
}

int RowPosition(const GridData& grid, int row)
{
    if (row >= 0 && row < grid.RowOrder.size() && grid.RowOrder[row] == row)
        return row;
    return static_cast<int>(grid.RowOrder.indexOf(row));
}

int ColumnPosition(const GridData& grid, int col)
{
    return static_cast<int>(grid.ColOrder.indexOf(static_cast<qint16>(col)));
}

void InsertGridRow(GridData& grid, int row)
{
    if (row < 0 || row > grid.Rows)
        return;
    const int cols = grid.Cols;
    ++grid.Rows;
    grid.Cells.insert((row + 1) * cols, cols, GridCell{});
    ResetRowOrder(grid);
}

void RemoveGridRow(GridData& grid, int row)
{
    if (row < 0 || row >= grid.Rows)
        return;
    const int cols = grid.Cols;
    grid.Cells.remove((row + 1) * cols, cols);
    --grid.Rows;
    ResetRowOrder(grid);
}
