#include "GridFixture.h"
#include "GridMouse.h"

#include <gtest/gtest.h>

#include <vector>

// Sequences of mouse events over a grid of three rows (" R0", " R1", " R2") with
// columns 40, 60 and 50 pixels wide, title row 0..19 and rows 17 pixels high: row 0
// spans y 20..35, row 1 y 36..52, row 2 y 53..69; column borders at x 40, 100, 150.

namespace {

enum class Ev { Down, Move, Up };

struct Event {
    Ev kind;
    GridButton button;
    int x;
    int y;
};

Event down(int x, int y, GridButton b = GridButton::Left) { return {Ev::Down, b, x, y}; }
Event move(int x, int y) { return {Ev::Move, GridButton::Left, x, y}; }
Event up(int x, int y, GridButton b = GridButton::Left) { return {Ev::Up, b, x, y}; }

struct Outcome {
    GridMouseMode mode = GridMouseMode::Idle;
    GridClick lastResult = GridClick::None;
    bool editHidden = false;
    QStringList drags;
    GridCursor lastCursor = GridCursor::Unchanged;
    int lastDropX = -1;
};

Outcome run(GridData& g, const std::vector<Event>& events)
{
    GridMouseState mouse;
    Outcome o;
    for (const Event& e : events) {
        GridMouseEffect fx;
        switch (e.kind) {
        case Ev::Down: fx = GridMouseDown(g, mouse, e.button, e.x, e.y); break;
        case Ev::Move: fx = GridMouseMove(g, mouse, e.button, e.x, e.y); break;
        case Ev::Up:
            fx = GridMouseUp(g, mouse, e.button, e.x, e.y);
            o.lastResult = fx.result;
            o.editHidden = fx.hideEdit;
            break;
        }
        if (fx.startDrag)
            o.drags << fx.dragText;
        if (fx.cursor != GridCursor::Unchanged)
            o.lastCursor = fx.cursor;
        o.lastDropX = fx.dropX;
    }
    o.mode = mouse.mode;
    return o;
}

} // namespace

TEST(GridMouse, ClicksSelectAndReport)
{
    struct Row {
        const char* name;
        int startRow;
        std::vector<Event> events;
        GridClick result;
        int curRow, curCol;
    };
    const Row rows[] = {
        {"click on a cell", 0, {down(50, 40), up(50, 40)}, GridClick::Row, 1, 1},
        {"two pixels sideways is still a click", 0, {down(10, 60), move(12, 60), up(12, 60)}, GridClick::Row, 2, 0},
        {"vertical movement is no drag", 0, {down(10, 25), move(10, 60), up(10, 60)}, GridClick::Row, 0, 0},
        {"right click selects and asks for a menu", 0, {down(120, 60, GridButton::Right), up(120, 60, GridButton::Right)},
         GridClick::RightClick, 2, 2},
        {"click below the last row counts as the current row", 1, {down(10, 150), up(10, 150)}, GridClick::Row, 1, 0},
        {"right click below the last row keeps the current row", 2,
         {down(10, 150, GridButton::Right), up(10, 150, GridButton::Right)}, GridClick::RightClick, 2, 0},
        {"release outside the columns", 0, {down(10, 40), up(400, 40)}, GridClick::None, 1, 0},
        {"leaving the columns ends the press", 0, {down(10, 40), move(400, 40), up(10, 40)}, GridClick::None, 1, 0},
        {"right click on the title row selects nothing", 1,
         {down(10, 5, GridButton::Right), up(10, 5, GridButton::Right)}, GridClick::None, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(3);
        g.CurRow = row.startRow;
        const Outcome o = run(g, row.events);
        EXPECT_EQ(o.lastResult, row.result);
        EXPECT_EQ(g.CurRow, row.curRow);
        EXPECT_EQ(g.CurCol, row.curCol);
        EXPECT_EQ(o.mode, GridMouseMode::Idle);
        EXPECT_TRUE(o.drags.isEmpty());
        EXPECT_TRUE(o.editHidden);
        EXPECT_FALSE(g.Pressed);
    }
}

TEST(GridMouse, ThreePixelsSidewaysDragsTheRowSymbol)
{
    struct Row {
        const char* name;
        std::vector<Event> events;
        QStringList drags;
    };
    const Row rows[] = {
        {"right", {down(10, 40), move(13, 40)}, {"R1"}},
        {"left, on another column", {down(60, 60), move(57, 61)}, {"R2"}},
        {"one drag per press", {down(10, 40), move(13, 40), move(30, 40)}, {"R1"}},
        {"title press moves a column instead", {down(10, 5), move(13, 5)}, {}},
        {"press below the rows drags nothing", {down(10, 150), move(20, 150)}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(3);
        const Outcome o = run(g, row.events);
        EXPECT_EQ(o.drags, row.drags);
    }
}

TEST(GridMouse, ColumnResizeStaysWithinLimits)
{
    struct Row {
        const char* name;
        int hoverX;
        int toX;
        int col;
        int width;
    };
    const Row rows[] = {
        {"wider by 15", 40, 55, 0, 55},
        {"narrower stops at 20", 40, 0, 0, 20},
        {"wider stops at 200", 38, 400, 0, 200},
        {"second column from its left border's reach", 97, 87, 1, 50},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(3);
        GridMouseState mouse;
        GridMouseMove(g, mouse, GridButton::Other, row.hoverX, 8);
        ASSERT_EQ(mouse.mode, GridMouseMode::NearBorder);
        GridMouseDown(g, mouse, GridButton::Left, row.hoverX, 8);
        EXPECT_EQ(mouse.mode, GridMouseMode::Resizing);
        const GridMouseEffect moved = GridMouseMove(g, mouse, GridButton::Left, row.toX, 12);
        EXPECT_TRUE(moved.repaint);
        EXPECT_EQ(g.ColWidth[row.col], row.width);
        const GridMouseEffect released = GridMouseUp(g, mouse, GridButton::Left, row.toX, 12);
        EXPECT_EQ(released.result, GridClick::Resized);
        EXPECT_EQ(mouse.mode, GridMouseMode::Idle);
        EXPECT_EQ(g.ColWidth[row.col], row.width);
        EXPECT_EQ(g.CurRow, 0) << "a resize selects nothing";
    }
}

TEST(GridMouse, HoverShowsTheSizeCursorOnlyNearTitleBorders)
{
    struct Row {
        const char* name;
        std::vector<Event> events;
        GridMouseMode mode;
        GridCursor cursor;
    };
    const Row rows[] = {
        {"near a border on the title row", {move(42, 8)}, GridMouseMode::NearBorder, GridCursor::SizeColumn},
        {"near a border on a data row", {move(42, 30)}, GridMouseMode::Idle, GridCursor::Arrow},
        {"away from the border again", {move(42, 8), move(20, 8)}, GridMouseMode::Idle, GridCursor::Arrow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(3);
        const Outcome o = run(g, row.events);
        EXPECT_EQ(o.mode, row.mode);
        EXPECT_EQ(o.lastCursor, row.cursor);
    }
}

TEST(GridMouse, TitleClicksCycleTheSortMarkWithoutMovingRows)
{
    GridData g = makeGrid(3);
    GridMouseState mouse;
    const int expected[] = {1, 2, 0};
    for (int state : expected) {
        GridMouseDown(g, mouse, GridButton::Left, 50, 5);
        const GridMouseEffect e = GridMouseUp(g, mouse, GridButton::Left, 50, 5);
        EXPECT_EQ(e.result, GridClick::None);
        EXPECT_EQ(g.SortCol, 1);
        EXPECT_EQ(g.SortState, state);
    }
    EXPECT_EQ(g.Cell(0, 0).Text, " R0");
    EXPECT_EQ(g.Cell(0, 2).Text, " R2");
    EXPECT_EQ(g.RowOrder, (QVector<qint32>{0, 1, 2}));

    // Another title starts its own mark at 1.
    GridMouseDown(g, mouse, GridButton::Left, 50, 5);
    GridMouseUp(g, mouse, GridButton::Left, 50, 5);
    GridMouseDown(g, mouse, GridButton::Left, 10, 5);
    GridMouseUp(g, mouse, GridButton::Left, 10, 5);
    EXPECT_EQ(g.SortCol, 0);
    EXPECT_EQ(g.SortState, 1);
}

TEST(GridMouse, DraggingATitleMovesTheColumn)
{
    struct Row {
        const char* name;
        std::vector<Event> events;
        QVector<qint16> order;
        int dropX;
    };
    const Row rows[] = {
        {"first column to the last place", {down(10, 5), move(60, 5), move(120, 5)}, {0, 1, 2}, 150},
        {"first column to the last place, released", {down(10, 5), move(60, 5), up(120, 5)}, {1, 2, 0}, -1},
        {"last column to the front", {down(120, 5), move(110, 5), up(5, 5)}, {2, 0, 1}, -1},
        {"released past the columns goes last", {down(50, 5), move(40, 5), up(500, 5)}, {0, 2, 1}, -1},
        {"released on its own place stays", {down(50, 5), move(60, 5), up(70, 5)}, {0, 1, 2}, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(3);
        const Outcome o = run(g, row.events);
        EXPECT_EQ(g.ColOrder, row.order);
        EXPECT_EQ(o.lastDropX, row.dropX);
        EXPECT_EQ(g.SortState, 0) << "a column move is no title click";
    }
}
