#include "ListFile.h"
#include "QuoteBoard.h"
#include "SymbolGrids.h"

#include <QHash>

#include <gtest/gtest.h>

namespace {

// A symbol grid of `symbols` and a board whose prices come from `prices` (a symbol
// missing from it has no quote record), counting lookups and repaints.
struct BoardFixture {
    GridData grid;
    QHash<QString, QString> prices;
    QStringList lookups;
    QList<int> painted;
    QuoteBoard board;

    explicit BoardFixture(const QStringList& symbols)
        : board([this](const QString& s) {
                    lookups << s;
                    return prices.value(s);
                },
                [this](int row) { painted << row; })
    {
        QVector<ListEntry> entries;
        for (const QString& s : symbols)
            entries.append(parseListEntry(s));
        grid.Setup = symbolGridColumns(6);
        FillSymbolGrid(grid, entries);
    }
    QString last(int row) const { return grid.Cell(1, row).Text; }
    ColorValue colour(int row) const { return grid.Cell(1, row).ForeColor; }
};

} // namespace

TEST(QuoteBoard, MarksFadeTickByTick)
{
    struct Row {
        const char* name;
        ColorValue start;
        int ticks;
        ColorValue after;
    };
    const Row rows[] = {
        {"green, first tick", rgbValue(0, 190, 0), 1, rgbValue(0, 185, 0)},
        {"green, twentieth tick", rgbValue(0, 190, 0), 20, rgbValue(0, 90, 0)},
        {"green, black on the 21st", rgbValue(0, 190, 0), 21, 0},
        {"red, first tick", rgbValue(190, 0, 0), 1, rgbValue(185, 0, 0)},
        {"red, black on the 21st", rgbValue(190, 0, 0), 21, 0},
        {"blue, first tick", rgbValue(0, 0, 170), 1, rgbValue(0, 0, 160)},
        {"blue, eighth tick", rgbValue(0, 0, 170), 8, rgbValue(0, 0, 90)},
        {"blue, black on the 9th", rgbValue(0, 0, 170), 9, 0},
        {"black stays black", 0, 3, 0},
        {"two parts: the green test comes after the blue one", rgbValue(0, 150, 150), 1, rgbValue(0, 145, 0)},
        {"three parts: the red test comes last", rgbValue(120, 150, 150), 1, rgbValue(115, 0, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ColorValue c = row.start;
        for (int i = 0; i < row.ticks; ++i)
            c = QuoteBoard::fadeColour(c, 5);
        EXPECT_EQ(c, row.after);
    }
}

TEST(QuoteBoard, ATickFadesEveryColouredRow)
{
    BoardFixture f({"IBM", "MSFT", "ORCL"});
    f.grid.Cell(1, 0).ForeColor = QuoteBoard::kUp;
    f.grid.Cell(1, 2).ForeColor = QuoteBoard::kConfirmed;
    f.board.tick(f.grid);
    EXPECT_EQ(f.colour(0), rgbValue(0, 185, 0));
    EXPECT_EQ(f.colour(1), 0u);
    EXPECT_EQ(f.colour(2), rgbValue(0, 0, 160));
    EXPECT_TRUE(f.painted.contains(0));
    EXPECT_TRUE(f.painted.contains(2));
    EXPECT_FALSE(f.painted.contains(1)) << "black rows are not repainted";
}

TEST(QuoteBoard, ShortListIsVisitedAroundAndTheCursorMovesOn)
{
    BoardFixture f({"IBM", "MSFT", "ORCL"});
    f.prices = {{"IBM", "81.5"}, {"MSFT", "25.125"}, {"ORCL", "12"}};
    EXPECT_TRUE(f.board.tick(f.grid)) << "the cursor stays within the rows: running interval";
    EXPECT_EQ(f.lookups.size(), 50);
    EXPECT_EQ(f.lookups.mid(0, 4), (QStringList{"IBM", "MSFT", "ORCL", "IBM"}));
    EXPECT_EQ(f.lookups.last(), "MSFT") << "step 50 visits row 49 mod 3";
    EXPECT_EQ(f.board.cursor(), 2) << "one past where the tick ended";
    EXPECT_EQ(f.last(0), "81.50 ");
    EXPECT_EQ(f.last(1), "25.13 ");
    EXPECT_EQ(f.last(2), "12.00 ");
    EXPECT_EQ(f.colour(0), 0u) << "the refresh does not colour";

    f.lookups.clear();
    f.board.tick(f.grid);
    EXPECT_EQ(f.lookups.first(), "ORCL");
}

TEST(QuoteBoard, LongListIsRefreshedFiftyRowsATick)
{
    QStringList symbols;
    for (int i = 0; i < 120; ++i)
        symbols << QStringLiteral("S%1").arg(i);
    BoardFixture f(symbols);
    const bool running = f.board.tick(f.grid);
    EXPECT_TRUE(running);
    EXPECT_EQ(f.lookups.first(), "S0");
    EXPECT_EQ(f.lookups.last(), "S49");
    EXPECT_EQ(f.board.cursor(), 50);
    f.lookups.clear();
    f.board.tick(f.grid);
    f.lookups.clear();
    EXPECT_TRUE(f.board.tick(f.grid));
    EXPECT_EQ(f.lookups.first(), "S100");
    EXPECT_EQ(f.lookups.at(19), "S119");
    EXPECT_EQ(f.lookups.at(20), "S0") << "wraps within the tick";
    EXPECT_EQ(f.board.cursor(), 30);

    // A tick that ends on the last row wraps the cursor and keeps the timer's interval.
    BoardFixture fifty(symbols.mid(0, 50));
    EXPECT_FALSE(fifty.board.tick(fifty.grid));
    EXPECT_EQ(fifty.board.cursor(), 0);
}

TEST(QuoteBoard, PricesThatAreMissingOrZeroLeaveTheCell)
{
    BoardFixture f({"IBM", "NEW", "ZERO", "empty"});
    f.grid.Cell(1, 1).Text = QStringLiteral("10.00 ");
    f.grid.Cell(1, 2).Text = QStringLiteral("11.00 ");
    f.prices = {{"IBM", "81.5"}, {"ZERO", "0"}};
    f.board.tick(f.grid);
    EXPECT_EQ(f.last(0), "81.50 ");
    EXPECT_EQ(f.last(1), "10.00 ") << "no quote record";
    EXPECT_EQ(f.last(2), "11.00 ") << "a stored price of 0";
    EXPECT_EQ(f.last(3), "");
}

TEST(QuoteBoard, ALookupThatEmptiesTheListEndsTheTickSafely)
{
    BoardFixture f({"IBM", "MSFT", "ORCL"});
    f.board = QuoteBoard(
        [&f](const QString&) {
            // Events run during the lookup: another list with a single row is loaded.
            FillSymbolGrid(f.grid, {parseListEntry("AAPL")});
            return QStringLiteral("5");
        },
        [](int) {});
    f.board.setCursor(2);
    f.board.tick(f.grid);
    ASSERT_EQ(f.grid.Rows, 1);
    EXPECT_EQ(f.last(0), "5.00 ") << "AAPL itself was refreshed on a later step";
    EXPECT_EQ(f.board.cursor(), 0);
}

TEST(QuoteBoard, NewDataColoursEveryRowOfTheSymbol)
{
    struct Row {
        const char* name;
        QString oldText;
        ColorValue oldColour;
        QString price;
        QString newText;
        ColorValue newColour;
    };
    const Row rows[] = {
        {"rise", "25.00 ", 0, "25.5", "25.50 ", QuoteBoard::kUp},
        {"fall", "25.00 ", 0, "24.75", "24.75 ", QuoteBoard::kDown},
        {"fall while green", "25.00 ", QuoteBoard::kUp, "24", "24.00 ", QuoteBoard::kDown},
        {"unchanged: confirmed", "25.00 ", 0, "25", "25.00 ", QuoteBoard::kConfirmed},
        {"unchanged while green stays green", "25.00 ", rgbValue(0, 120, 0), "25", "25.00 ", rgbValue(0, 120, 0)},
        {"unchanged while fading blue", "25.00 ", rgbValue(0, 0, 100), "25", "25.00 ", QuoteBoard::kConfirmed},
        {"no price shown yet: left to the refresh", "", 0, "25", "", 0},
        {"no stored price: left alone", "25.00 ", 0, "", "25.00 ", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BoardFixture f({"MSFT", "IBM", "msft"});
        for (int r : {0, 2}) {
            f.grid.Cell(1, r).Text = row.oldText;
            f.grid.Cell(1, r).ForeColor = row.oldColour;
        }
        f.grid.Cell(1, 1).Text = QStringLiteral("80.00 ");
        f.prices = {{"MSFT", row.price}, {"IBM", "90"}};
        EXPECT_TRUE(f.board.colourQuote(f.grid, " MSFT "));
        for (int r : {0, 2}) {
            EXPECT_EQ(f.last(r), row.newText) << "row " << r;
            EXPECT_EQ(f.colour(r), row.newColour) << "row " << r;
        }
        EXPECT_EQ(f.last(1), "80.00 ") << "other symbols untouched";
        EXPECT_EQ(f.colour(1), 0u);
    }

    BoardFixture f({"IBM"});
    EXPECT_FALSE(f.board.colourQuote(f.grid, "MSFT"));
    EXPECT_TRUE(f.lookups.isEmpty());
}
