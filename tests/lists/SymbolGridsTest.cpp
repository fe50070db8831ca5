#include "ListFile.h"
#include "SymbolGrids.h"

#include <gtest/gtest.h>

namespace {

GridData symbolGrid(const QStringList& lines)
{
    QVector<ListEntry> entries;
    for (const QString& line : lines)
        for (const QString& field : splitListFields(line))
            entries.append(parseListEntry(field));
    GridData g;
    g.Setup = symbolGridColumns(6);
    FillSymbolGrid(g, entries);
    return g;
}

QStringList column0(const GridData& g)
{
    QStringList texts;
    for (int r = 0; r < g.Rows; ++r)
        texts << g.Cell(0, r).Text;
    return texts;
}

} // namespace

TEST(SymbolGrids, ColumnsOfTheTwoGrids)
{
    const auto symbols = symbolGridColumns(6);
    ASSERT_EQ(symbols.size(), 2);
    EXPECT_EQ(symbols[0].Title, "Ticker");
    EXPECT_EQ(symbols[0].Format, "\\ !");
    EXPECT_EQ(symbols[0].Width, 42);
    EXPECT_EQ(symbols[0].TitleBackColor, qbColor(11));
    EXPECT_EQ(symbols[1].Title, "Last");
    EXPECT_EQ(symbols[1].Format, "0.00\\ ");
    EXPECT_EQ(symbols[1].Width, 60);
    EXPECT_EQ(symbols[1].Align, GridAlign::Right);
    EXPECT_EQ(symbols[1].TitleBackColor, qbColor(15));
    const auto sectors = sectorGridColumns(6);
    ASSERT_EQ(sectors.size(), 1);
    EXPECT_EQ(sectors[0].Title, "Sector");
    EXPECT_EQ(sectors[0].Width, 66);
    EXPECT_EQ(sectors[0].TitleBackColor, qbColor(7));
}

TEST(SymbolGrids, FillingShowsSymbolsAndSavingGivesTheLinesBack)
{
    GridData g = symbolGrid({"Microsoft Corp:MSFT", "IBM", "  empty", "\"Micro, Inc:MU\""});
    EXPECT_EQ(column0(g), (QStringList{" MSFT", " IBM", " empty", " MU"}));
    EXPECT_EQ(SymbolGridLines(g), (QStringList{"Microsoft Corp:MSFT", "IBM", "empty", "\"Micro, Inc:MU\""}));

    g.Cell(0, 1).Text = QStringLiteral("   ");
    EXPECT_EQ(SymbolGridLines(g), (QStringList{"Microsoft Corp:MSFT", "empty", "\"Micro, Inc:MU\""}))
        << "blank rows are left out";
}

TEST(SymbolGrids, InsertingAtRowOneOfThree)
{
    GridData g = symbolGrid({"IBM", "MSFT", "ORCL"});
    g.Cell(1, 1).Text = QStringLiteral("25.00 ");
    g.CurRow = 1;
    InsertSymbolRow(g, QString::fromLatin1(kPlaceholderShown));
    EXPECT_EQ(g.Rows, 4);
    EXPECT_EQ(column0(g), (QStringList{" IBM", " empty", " MSFT", " ORCL"}));
    EXPECT_EQ(g.Cell(1, 1).Text, "");
    EXPECT_EQ(g.Cell(1, 2).Text, "25.00 ") << "the whole row moved down";
    EXPECT_EQ(SymbolGridLines(g), (QStringList{"IBM", "empty", "MSFT", "ORCL"}));
}

TEST(SymbolGrids, DeletingRows)
{
    struct Row {
        const char* name;
        int rows;
        int cur;
        bool deleted;
        int newCur;
        QStringList left;
    };
    const Row rows[] = {
        {"middle row", 3, 1, true, 1, {"A0", "A2"}},
        {"last row: the current row stays within the rows", 3, 2, true, 1, {"A0", "A1"}},
        {"first row", 2, 0, true, 0, {"A1"}},
        {"the only row is refused", 1, 0, false, 0, {"A0"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QStringList lines;
        for (int i = 0; i < row.rows; ++i)
            lines << QStringLiteral("A%1").arg(i);
        GridData g = symbolGrid(lines);
        g.CurRow = row.cur;
        EXPECT_EQ(DeleteSymbolRow(g), row.deleted);
        EXPECT_EQ(g.CurRow, row.newCur);
        EXPECT_EQ(SymbolGridLines(g), row.left);
    }
}

TEST(SymbolGrids, EditedSymbolsAndChosenSymbols)
{
    struct Row {
        QString cell;
        QString committed;
    };
    const Row rows[] = {
        {" msft", " MSFT"}, {" EMPTY", " empty"}, {" Empty ", " empty"}, {" ", " empty"}, {"", " empty"},
        {" brk.b", " BRK.B"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.cell.toStdString());
        EXPECT_EQ(CommittedSymbolText(row.cell), row.committed);
    }

    const GridData g = symbolGrid({"msft", "empty", "IBM"});
    EXPECT_EQ(SymbolOfRow(g, 0), "MSFT");
    EXPECT_EQ(SymbolOfRow(g, 1), "") << "the placeholder holds no symbol";
    EXPECT_EQ(SymbolOfRow(g, 2), "IBM");
    EXPECT_EQ(SymbolOfRow(g, 3), "");
    EXPECT_EQ(SymbolOfRow(g, -1), "");
}
