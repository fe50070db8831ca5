#include "Dialogs.h"
#include "GridFixture.h"
#include "GridKeys.h"

#include <QtCore/qnamespace.h>

#include <gtest/gtest.h>

namespace {

class FakeEditBox final : public GridEditBox {
public:
    void placeAt(const GridRect& r) override { rect = r; }
    void setText(const QString& t) override { content = t; }
    QString text() const override { return content; }
    void showFocused() override { shown = true; }
    void hide() override { shown = false; }
    bool isShown() const override { return shown; }

    GridRect rect;
    QString content;
    bool shown = false;
};

struct DialogsScope {
    ScriptedDialogs scripted;
    DialogsScope() { setDialogs(&scripted); }
    ~DialogsScope() { setDialogs(nullptr); }
};

} // namespace

TEST(GridKeys, NavigationStopsAtTheEnds)
{
    struct Row {
        const char* name;
        int row, col;
        int key;
        int newRow, newCol;
        bool rowMoved;
    };
    // Ten rows, page of three rows; columns shown in the order 2, 0, 1.
    const Row rows[] = {
        {"down", 4, 0, Qt::Key_Down, 5, 0, true},
        {"up at the top stays", 0, 0, Qt::Key_Up, 0, 0, false},
        {"down at the bottom stays", 9, 0, Qt::Key_Down, 9, 0, false},
        {"page down", 2, 0, Qt::Key_PageDown, 5, 0, true},
        {"page down stops at the last row", 8, 0, Qt::Key_PageDown, 9, 0, true},
        {"page up stops at the first row", 1, 0, Qt::Key_PageUp, 0, 0, true},
        {"right follows the display order", 3, 2, Qt::Key_Right, 3, 0, false},
        {"right from the middle", 3, 0, Qt::Key_Right, 3, 1, false},
        {"right at the last column stays", 3, 1, Qt::Key_Right, 3, 1, false},
        {"left at the first column stays", 3, 2, Qt::Key_Left, 3, 2, false},
        {"left follows the display order", 3, 0, Qt::Key_Left, 3, 2, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(10);
        g.ColOrder = {2, 0, 1};
        g.VScrollPage = 3;
        g.CurRow = row.row;
        g.CurCol = row.col;
        const GridKeyEffect e = GridKeyDown(g, row.key);
        EXPECT_TRUE(e.handled);
        EXPECT_EQ(g.CurRow, row.newRow);
        EXPECT_EQ(g.CurCol, row.newCol);
        EXPECT_EQ(e.rowMoved, row.rowMoved);
    }
}

TEST(GridKeys, MovingPastTheVisibleRowsScrolls)
{
    GridData g = makeGrid(10, {40, 60, 50}, 200, 19 + 3 * 17);
    g.VScrollMax = 7;
    g.VScrollPage = 3;
    g.CurRow = 2;
    GridKeyDown(g, Qt::Key_Down);
    EXPECT_EQ(g.VScrollValue, 1);
    GridKeyDown(g, Qt::Key_PageDown);
    EXPECT_EQ(g.CurRow, 6);
    EXPECT_EQ(g.VScrollValue, 4);
}

TEST(GridKeys, OtherKeysAreLeftToTheOwner)
{
    GridData g = makeGrid(3);
    for (int key : {Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Return, Qt::Key_A}) {
        const GridKeyEffect e = GridKeyDown(g, key);
        EXPECT_FALSE(e.handled);
        EXPECT_FALSE(e.startEdit);
    }
    EXPECT_TRUE(GridKeyDown(g, Qt::Key_Space).startEdit);
}

TEST(GridEdit, StartEditPlacesTheBoxInsideTheCurrentCell)
{
    GridData g = makeGrid(3);
    g.CurRow = 1;
    g.CurCol = 1;
    g.Cell(1, 1).Text = QStringLiteral("12.50 ");
    GridMouseState mouse;
    mouse.mode = GridMouseMode::NearBorder;
    FakeEditBox box;
    ASSERT_TRUE(StartEdit(g, mouse, box));
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.content, "12.50");
    EXPECT_EQ(box.rect, (GridRect{41, 37, 99, 52}));
    EXPECT_EQ(mouse.mode, GridMouseMode::Idle);
}

TEST(GridEdit, StartEditRefusals)
{
    struct Row {
        const char* name;
        int row, col;
        bool pressed;
        int beeps;
    };
    const Row rows[] = {
        {"title row", -1, 0, false, 0},
        {"no current column", 1, -1, false, 0},
        {"past the last row beeps", 3, 0, false, 1},
        {"a press under way", 1, 0, true, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DialogsScope d;
        GridData g = makeGrid(3);
        g.CurRow = row.row;
        g.CurCol = row.col;
        g.Pressed = row.pressed;
        GridMouseState mouse;
        FakeEditBox box;
        box.shown = true;
        EXPECT_FALSE(StartEdit(g, mouse, box));
        EXPECT_EQ(box.shown, row.pressed) << "hidden unless a press is under way";
        EXPECT_EQ(d.scripted.beeps(), row.beeps);
    }
}

TEST(GridEdit, EditColumnTakesTheEdit)
{
    GridData g = makeGrid(3);
    g.EditCol = 0;
    g.CurRow = 2;
    g.CurCol = 1;
    GridMouseState mouse;
    FakeEditBox box;
    ASSERT_TRUE(StartEdit(g, mouse, box));
    EXPECT_EQ(g.CurCol, 0);
    EXPECT_EQ(box.content, "R2");
}

TEST(GridEdit, EscCancelsAndEnterStoresThroughTheFormat)
{
    struct Row {
        const char* name;
        int col;
        int key;
        bool committed;
        QString cell;
        bool cancelled;
    };
    const Row rows[] = {
        {"Esc leaves the cell", 1, Qt::Key_Escape, false, "r1c1", true},
        {"Enter on a price column shows two decimals", 1, Qt::Key_Return, true, "7.25 ", false},
        {"keypad Enter too", 1, Qt::Key_Enter, true, "7.25 ", false},
        {"Enter on the symbol column", 0, Qt::Key_Return, true, " 7.25", false},
        {"another key passes through", 1, Qt::Key_A, false, "r1c1", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(3);
        g.CurRow = 1;
        g.CurCol = row.col;
        GridMouseState mouse;
        FakeEditBox box;
        ASSERT_TRUE(StartEdit(g, mouse, box));
        box.content = QStringLiteral("7.25");
        QString old;
        EXPECT_EQ(EditKey(g, row.key, box, &old), row.committed);
        EXPECT_EQ(g.Cell(row.col, 1).Text, row.cell);
        EXPECT_EQ(g.EditCancelled, row.cancelled);
        EXPECT_EQ(box.shown, row.key == Qt::Key_A);
        EXPECT_EQ(EditKeySwallowed(row.key), row.key != Qt::Key_A);
        if (row.committed)
            EXPECT_EQ(old, row.col == 0 ? " R1" : "r1c1");
    }
}
