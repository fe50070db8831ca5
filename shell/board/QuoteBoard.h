#pragma once

#include "GridData.h"

#include <QString>

#include <functional>

// The quote board: column 1 ("Last") of the symbol grid. Each tick refreshes up to 50
// rows from the quote index, the next tick going on where the last one stopped, and
// fades the colours that mark price changes.
//
// The price lookup may let pending events run, and those may reload or shorten the
// grid in the middle of a tick: every step reads the grid afresh.
class QuoteBoard {
public:
    // The stored last price of a symbol as short text; empty when it has no record.
    using PriceLookup = std::function<QString(const QString& symbol)>;
    // Repaints column 1 of a row.
    using CellPainter = std::function<void(int row)>;

    static constexpr int kRowsPerTick = 50;
    static constexpr int kFirstInterval = 500;
    static constexpr int kInterval = 300;
    // Colours of column 1's text.
    static constexpr ColorValue kUp = rgbValue(0, 190, 0);
    static constexpr ColorValue kDown = rgbValue(190, 0, 0);
    static constexpr ColorValue kConfirmed = rgbValue(0, 0, 170);
    // Components that fade below this become black.
    static constexpr int kFadeFloor = 90;

    QuoteBoard(PriceLookup lookup, CellPainter painter);

    int cursor() const { return m_cursor; }
    void setCursor(int row) { m_cursor = row; }
    int fadeStep() const { return m_fadeStep; }
    void setFadeStep(int step) { m_fadeStep = step; }

    // One tick: refresh and fade. True when the tick leaves the cursor within the rows,
    // which is when the timer goes to its running interval of 300 ms.
    bool tick(GridData& grid);
    // Fades every row's column 1 colour by one step.
    void fade(GridData& grid);
    // New data arrived for `ticker`: every row that lists it (trimmed, any case) shows
    // the stored price, green when it rose, red when it fell, blue when confirmed
    // unchanged. A cell showing no price yet (0) is left to the refresh. True when a
    // row lists the symbol.
    bool colourQuote(GridData& grid, const QString& ticker);

    // One fading step of a colour. The parts are tested blue, green, red, each on the
    // colour as it was: a blue part loses 2 x step, a green or red part step; the
    // result is that single part, black once it is below kFadeFloor.
    static ColorValue fadeColour(ColorValue colour, int step);

private:
    PriceLookup m_lookup;
    CellPainter m_painter;
    int m_cursor = 0;
    int m_fadeStep = 5;
};
