#include "GridFixture.h"
#include "GridGeometry.h"

#include <gtest/gtest.h>

// Title row 0..19, rows 17 pixels from y 19; columns 40, 60, 50 pixels wide.

TEST(GridGeometry, RowAtWalksTheVisibleRows)
{
    struct Row {
        const char* name;
        int scroll;
        int y;
        int row;
    };
    const Row rows[] = {
        {"above the surface", 0, -1, -2},
        {"top of the title row", 0, 0, -1},
        {"title row includes its lower edge", 0, 19, -1},
        {"first row", 0, 20, 0},
        {"first row's last pixel", 0, 35, 0},
        {"second row starts at its upper edge", 0, 36, 1},
        {"last row", 0, 19 + 5 * 17 - 1, 4},
        {"past the last row", 0, 19 + 5 * 17, -2},
        {"scrolled: first visible row", 2, 20, 2},
        {"scrolled: past the last row", 2, 19 + 3 * 17 + 1, -2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(5);
        g.VScrollValue = row.scroll;
        EXPECT_EQ(RowAt(g, row.y), row.row);
    }
}

TEST(GridGeometry, ColumnAtWalksTheVisibleColumns)
{
    struct Row {
        const char* name;
        int scroll;
        QVector<qint16> order;
        int x;
        int col;
    };
    const Row rows[] = {
        {"left of the surface", 0, {0, 1, 2}, -1, -2},
        {"first column", 0, {0, 1, 2}, 0, 0},
        {"border belongs to the next column", 0, {0, 1, 2}, 40, 1},
        {"last column", 0, {0, 1, 2}, 149, 2},
        {"past the last column", 0, {0, 1, 2}, 150, -2},
        {"display order", 0, {2, 0, 1}, 45, 2},
        {"display order second", 0, {2, 0, 1}, 50, 0},
        {"scrolled by one column", 1, {0, 1, 2}, 0, 1},
        {"scrolled, past the end", 1, {0, 1, 2}, 110, -2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(2);
        g.ColOrder = row.order;
        g.HScrollValue = row.scroll;
        EXPECT_EQ(ColumnAt(g, row.x), row.col);
    }
}

TEST(GridGeometry, CellRectFollowsScrollAndOrder)
{
    GridData g = makeGrid(6);
    g.ColOrder = {1, 0, 2};
    EXPECT_EQ(CellRect(g, 0, -1), (GridRect{60, 0, 100, 19}));
    EXPECT_EQ(CellRect(g, 0, 2), (GridRect{60, 19 + 34, 100, 19 + 51}));
    g.VScrollValue = 2;
    g.HScrollValue = 1;
    EXPECT_EQ(CellRect(g, 0, 2), (GridRect{0, 19, 40, 36}));
    EXPECT_TRUE(CellRect(g, 1, 2).isEmpty()) << "scrolled out on the left";
    EXPECT_TRUE(CellRect(g, 0, 1).isEmpty()) << "scrolled out above";
}

TEST(GridGeometry, ScrollBarsAppearOnlyWhenNeeded)
{
    struct Row {
        const char* name;
        int rows;
        int width;
        int height;
        bool v, h;
        int surfaceWidth, surfaceHeight, vMax, vPage, hMax;
    };
    // Bars 16 pixels; columns 150 pixels in all.
    const Row rows[] = {
        {"everything fits", 3, 200, 200, false, false, 200, 200, 0, 10, 0},
        {"rows need the vertical bar", 20, 200, 104, true, false, 184, 104, 15, 5, 0},
        {"columns need the horizontal bar", 3, 120, 200, false, true, 120, 184, 0, 9, 1},
        {"the vertical bar makes the columns too wide", 20, 160, 104, true, true, 144, 88, 16, 4, 1},
        {"the horizontal bar makes the rows too many", 5, 120, 104, true, true, 104, 88, 1, 4, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(row.rows);
        const GridScrollLayout l = LayoutScrollBars(g, row.width, row.height, 16);
        EXPECT_EQ(l.vVisible, row.v);
        EXPECT_EQ(l.hVisible, row.h);
        EXPECT_EQ(l.surfaceWidth, row.surfaceWidth);
        EXPECT_EQ(l.surfaceHeight, row.surfaceHeight);
        EXPECT_EQ(l.vMax, row.vMax);
        EXPECT_EQ(l.vPage, row.vPage);
        EXPECT_EQ(l.hMax, row.hMax);
    }
}

TEST(GridGeometry, ApplyingALayoutClampsTheScrollValues)
{
    GridData g = makeGrid(20);
    g.VScrollValue = 18;
    g.HScrollValue = 2;
    ApplyScrollLayout(g, LayoutScrollBars(g, 200, 104, 16));
    EXPECT_EQ(g.VScrollValue, 15);
    EXPECT_EQ(g.HScrollValue, 0);
    EXPECT_EQ(g.VScrollPage, 5);
}

TEST(GridGeometry, ScrollToCurrentBringsTheCellIntoView)
{
    struct Row {
        const char* name;
        int startScroll;
        int curRow;
        int scroll;
    };
    // 5 whole rows fit (19 + 5 x 17 = 104).
    const Row rows[] = {
        {"already visible", 0, 4, 0},
        {"below: becomes the last visible row", 0, 7, 3},
        {"above: becomes the first visible row", 10, 6, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(20, {40, 60, 50}, 200, 104);
        ApplyScrollLayout(g, LayoutScrollBars(g, 216, 104, 16));
        g.VScrollValue = row.startScroll;
        g.CurRow = row.curRow;
        ScrollToCurrent(g);
        EXPECT_EQ(g.VScrollValue, row.scroll);
    }
}

TEST(GridGeometry, ColumnBorderWithinFourPixels)
{
    struct Row {
        int x;
        int col;
    };
    const Row rows[] = {{35, -1}, {36, 0}, {40, 0}, {44, 0}, {45, -1}, {97, 1}, {150, 2}, {154, 2}, {155, -1}};
    GridData g = makeGrid(2);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(ColumnBorderAt(g, row.x), row.col);
    }
}
