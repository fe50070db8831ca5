#pragma once

#include "GridData.h"
#include "GridGeometry.h"
#include "GridMouse.h"

#include <QString>

// The edit box that a grid lays over its current cell for in-place editing.
// Rectangles are in surface pixels; the window adds the surface's position.
class GridEditBox {
public:
    virtual ~GridEditBox() = default;
    virtual void placeAt(const GridRect& rect) = 0;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
    // Shows the box, gives it the keyboard focus and selects all its text.
    virtual void showFocused() = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;
};

// What a key did to the grid.
struct GridKeyEffect {
    bool handled = false;   // a navigation key or Space
    bool rowMoved = false;  // CurRow changed
    bool startEdit = false; // Space: the window starts an in-place edit
    bool repaint = false;
};

// Keyboard navigation with Qt key codes: Left and Right move CurCol along ColOrder,
// Up and Down move CurRow along RowOrder, Page Up and Page Down by the vertical page,
// each stopping at the ends; Space asks for an in-place edit. The grid then scrolls the
// current cell into view. Other keys are left to the owner (handled is false).
GridKeyEffect GridKeyDown(GridData& grid, int key);

// Opens the edit box over the current cell (in the grid's EditCol when it has one),
// scrolled into view, filled with the trimmed cell text. Nothing while a press is
// under way; the box is hidden when there is no current cell or the current row is
// the title row; a current row past the last row beeps. True when the box opened.
bool StartEdit(GridData& grid, GridMouseState& mouse, GridEditBox& box);

// A key typed in the edit box. Esc cancels (EditCancelled, box hidden); Enter hides
// the box, stores its text through the column's format in the current cell and gives
// true, with the cell's text before the edit in `oldText`. Other keys give false.
bool EditKey(GridData& grid, int key, GridEditBox& box, QString* oldText = nullptr);
// True for the keys the edit box must not see itself (Esc and Enter).
bool EditKeySwallowed(int key);
