#include "GridData.h"
#include "GridFixture.h"

#include <gtest/gtest.h>

TEST(GridData, AllocateTakesTheColumnSetupAndIdentityOrders)
{
    GridData g;
    GridColumnSetup ticker{QStringLiteral("Ticker"), QStringLiteral("\\ !"), 42, GridAlign::Left, qbColor(11)};
    GridColumnSetup last{QStringLiteral("Last"), QStringLiteral("0.00\\ "), 60, GridAlign::Right, qbColor(15)};
    g.Setup = {ticker, last};
    g.Cols = 3;  // one column more than the setup names
    g.Rows = 4;
    g.CurRow = 3;
    AllocateGrid(g);

    EXPECT_TRUE(g.Allocated);
    EXPECT_EQ(g.Cells.size(), 5 * 3);
    EXPECT_EQ(g.Cell(0, -1).Text, "Ticker");
    EXPECT_EQ(g.Cell(0, -1).BackColor, qbColor(11));
    EXPECT_EQ(g.Cell(1, -1).Text, "Last");
    EXPECT_EQ(g.Cell(1, -1).ForeColor, 0x000000u);
    EXPECT_EQ(g.ColFormat[1], "0.00\\ ");
    EXPECT_EQ(g.ColAlign[1], GridAlign::Right);
    EXPECT_EQ(g.ColWidth, (QVector<qint16>{42, 60, 60}));
    EXPECT_EQ(g.ColOrder, (QVector<qint16>{0, 1, 2}));
    EXPECT_EQ(g.RowOrder, (QVector<qint32>{0, 1, 2, 3}));
    EXPECT_EQ(g.CurRow, 0);
    EXPECT_EQ(g.Cell(2, 3).Text, "");
    EXPECT_EQ(g.Cell(2, 3).BackColor, 0xFFFFFFu);
}

TEST(GridData, RedimKeepsCellsAndColumnSettings)
{
    struct Row {
        const char* name;
        int rows;
    };
    const Row rows[] = {{"grow", 6}, {"shrink", 2}, {"same", 4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GridData g = makeGrid(4);
        g.ColWidth[1] = 77;
        g.ColOrder = {2, 0, 1};
        g.Cell(1, 1).ForeColor = rgbValue(0, 190, 0);
        g.Rows = row.rows;
        RedimGrid(g);
        ASSERT_EQ(g.Cells.size(), (row.rows + 1) * 3);
        EXPECT_EQ(g.Cell(0, -1).Text, "A");
        EXPECT_EQ(g.Cell(0, 1).Text, " R1");
        EXPECT_EQ(g.Cell(1, 1).ForeColor, rgbValue(0, 190, 0));
        EXPECT_EQ(g.ColWidth[1], 77);
        EXPECT_EQ(g.ColOrder, (QVector<qint16>{2, 0, 1}));
        EXPECT_EQ(g.RowOrder.size(), row.rows);
        if (row.rows > 4)
            EXPECT_EQ(g.Cell(0, row.rows - 1).Text, "");
    }
}

TEST(GridData, CellTextGoesThroughTheColumnFormat)
{
    struct Row {
        const char* name;
        int col;
        QString text;
        QString shown;
    };
    const Row rows[] = {
        {"symbol gets its leading space", 0, "MSFT", " MSFT"},
        {"price shows two decimals", 1, "12.5", "12.50 "},
        {"price from a short single text", 1, "0.5", "0.50 "},
        {"text in a price column stays", 1, "n/a", "n/a"},
    };
    GridData g = makeGrid(1);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetCellText(g, row.col, 0, row.text);
        EXPECT_EQ(g.Cell(row.col, 0).Text, row.shown);
    }
}

TEST(GridData, InsertAndRemoveRowsMoveWholeRows)
{
    GridData g = makeGrid(3);
    g.Cell(1, 1).ForeColor = rgbValue(190, 0, 0);
    g.Cell(0, 1).Tag = QStringLiteral("Label:");
    InsertGridRow(g, 1);
    ASSERT_EQ(g.Rows, 4);
    EXPECT_EQ(g.Cell(0, 0).Text, " R0");
    EXPECT_EQ(g.Cell(0, 1).Text, "");
    EXPECT_EQ(g.Cell(1, 1).ForeColor, 0u);
    EXPECT_EQ(g.Cell(0, 2).Text, " R1");
    EXPECT_EQ(g.Cell(0, 2).Tag, "Label:");
    EXPECT_EQ(g.Cell(1, 2).ForeColor, rgbValue(190, 0, 0));
    EXPECT_EQ(g.Cell(0, 3).Text, " R2");
    EXPECT_EQ(g.RowOrder.size(), 4);

    RemoveGridRow(g, 0);
    ASSERT_EQ(g.Rows, 3);
    EXPECT_EQ(g.Cell(0, 0).Text, "");
    EXPECT_EQ(g.Cell(0, 1).Text, " R1");
    EXPECT_EQ(g.Cell(0, -1).Text, "A");
}
