#pragma once

#include "Palette.h"

#include <QString>
#include <QVector>

// One cell of a drawn grid. Row -1 holds the column titles.
struct GridCell {
    ColorValue BackColor = 0xFFFFFF;
    ColorValue ForeColor = 0x000000;
    QString Text;
    // Data the owner keeps with the cell; it moves with the cell when rows move
    // (the symbol grid keeps the label of a list line here).
    QString Tag;
};

// Text placement of a column, as keypad codes of the drawing surface: left-aligned or
// right-aligned, vertically centred, one line.
namespace GridAlign {
constexpr qint32 Left = 4;
constexpr qint32 Right = 6;
}

// How the owner wants a column set up when the grid is allocated.
struct GridColumnSetup {
    QString Title;
    QString Format;
    qint16 Width = 60;
    qint32 Align = GridAlign::Left;
    ColorValue TitleBackColor = 0xFFFFFF;
};

// The model of one drawn grid: cells, column widths and formats, scroll position,
// current cell and sort mark. Plain data; the window that shows the grid keeps its
// controls apart and copies the scroll bar values and the surface size in here.
struct GridData {
    qint16 HeaderHeight = 19;  // title row: text height of "*" + 6
    qint16 RowHeight = 17;     // data row: text height of "*" x 1.3, rounded

    qint16 Cols = 0;
    qint32 Rows = 0;  // 32 bits: a list may hold more than 32,767 lines
    qint32 CurCol = 0;
    qint32 CurRow = 0;

    QVector<qint16> ColWidth;      // per column index
    QVector<qint16> ColOrder;      // display position -> column index
    QVector<qint32> ColAlign;      // per column index, a GridAlign code
    QVector<QString> ColFormat;    // per column index, applied whenever a cell text is set
    QVector<qint32> RowOrder;      // display position -> row index

    qint16 SortCol = -1;
    quint8 SortState = 0;  // 0 no mark, 1, 2
    bool Pressed = false;
    bool EditCancelled = false;
    bool Allocated = false;

    // Scroll bar values: the first visible row position and column position; the
    // vertical page is the number of whole rows the surface shows.
    qint32 VScrollValue = 0;
    qint32 HScrollValue = 0;
    qint32 VScrollMax = 0;
    qint32 HScrollMax = 0;
    qint32 VScrollPage = 1;
    // Size of the drawing surface in pixels.
    qint32 SurfaceWidth = 0;
    qint32 SurfaceHeight = 0;

    // When not -1, in-place edits always edit this column (the symbol grid edits only
    // its symbols, never its prices).
    qint32 EditCol = -1;

    // Columns as the owner sets them up; columns beyond the list get a plain setup.
    QVector<GridColumnSetup> Setup;

    // Cells of rows -1 ... Rows - 1 and columns 0 ... Cols - 1.
    QVector<GridCell> Cells;

    bool hasCell(int col, int row) const { return col >= 0 && col < Cols && row >= -1 && row < Rows; }
    GridCell& Cell(int col, int row) { return Cells[(row + 1) * Cols + col]; }
    const GridCell& Cell(int col, int row) const { return Cells[(row + 1) * Cols + col]; }
};

// Sizes every array from Cols and Rows, and sets titles, formats, widths, alignments
// and colours from Setup and identity orders. The current cell goes to (0, 0).
void AllocateGrid(GridData& grid);
// Resizes to new Cols and Rows keeping the cells that remain, the column settings and
// the current cell (held inside the grid). Row order returns to the identity.
void RedimGrid(GridData& grid);
// Sets a cell's text through its column's format.
void SetCellText(GridData& grid, int col, int row, const QString& text);
// The trimmed text of a cell; empty for a cell the grid does not have.
QString CellTextTrimmed(const GridData& grid, int col, int row);
// Row order back to the identity.
void ResetRowOrder(GridData& grid);
// Display position of a row / column index, -1 when absent.
int RowPosition(const GridData& grid, int row);
int ColumnPosition(const GridData& grid, int col);

// Row moves for list editing: a new row of empty cells at `row` (rows below move
// down), or row `row` removed (rows below move up). Both keep the current cell index.
void InsertGridRow(GridData& grid, int row);
void RemoveGridRow(GridData& grid, int row);
