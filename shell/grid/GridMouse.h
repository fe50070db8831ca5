#pragma once

#include "GridData.h"

#include <QString>

// The mouse over the drawn grids. One state serves every grid, since only one grid can
// be under the mouse at a time.
enum class GridMouseMode : quint8 {
    Idle = 0,       // nothing going on
    NearBorder = 1, // over a column border in the title row: the size cursor shows
    Resizing = 2,   // dragging a column border
    Pressed = 7,    // left button down on a cell: a click, or the start of a drag
    MovingColumn = 8,
};

enum class GridButton : quint8 { Left, Right, Other };
enum class GridCursor : quint8 { Unchanged, Arrow, SizeColumn, MoveColumn };

struct GridMouseState {
    GridMouseMode mode = GridMouseMode::Idle;
    int pressX = 0;
    int pressY = 0;
    int widthAtPress = 0;  // of the column being resized
    int column = -1;       // column being resized or moved
    int pressRow = -2;     // row under the press (-1 title row, -2 outside)
};

// The state shared by the program's grids.
GridMouseState& sharedGridMouse();

// Results of a release.
enum class GridClick : int { None = 0, Row = 1, Resized = 2, RightClick = 3 };

// What the window has to do after a mouse event.
struct GridMouseEffect {
    GridClick result = GridClick::None;
    GridCursor cursor = GridCursor::Unchanged;
    bool repaint = false;
    bool hideEdit = false;
    // A drag of this text starts (the trimmed column 0 text of the current row).
    bool startDrag = false;
    QString dragText;
    // While a column is moved: the pixel x where it would land, -1 for none.
    int dropX = -1;
};

// Sideways movement (pixels) beyond which a press becomes a drag.
inline constexpr int kDragSlack = 2;
// Limits of a column width set with the mouse.
inline constexpr int kMinColumnWidth = 20;
inline constexpr int kMaxColumnWidth = 200;

GridMouseEffect GridMouseDown(GridData& grid, GridMouseState& mouse, GridButton button, int x, int y);
GridMouseEffect GridMouseMove(GridData& grid, GridMouseState& mouse, GridButton button, int x, int y);
GridMouseEffect GridMouseUp(GridData& grid, GridMouseState& mouse, GridButton button, int x, int y);

// The display position a moved column lands on when released at x.
int ColumnDropPosition(const GridData& grid, int x);
