#include "QuoteBoard.h"

#include "Format.h"

QuoteBoard::QuoteBoard(PriceLookup lookup, CellPainter painter)
    : m_lookup(std::move(lookup)), m_painter(std::move(painter))
{
}

ColorValue QuoteBoard::fadeColour(ColorValue colour, int step)
{
    const auto faded = [](int part) { return part < kFadeFloor ? 0 : part; };
    ColorValue result = colour;
    if (blueOf(colour) > 0)
        result = rgbValue(0, 0, faded(blueOf(colour) - 2 * step));
    if (greenOf(colour) > 0)
        result = rgbValue(0, faded(greenOf(colour) - step), 0);
    if (redOf(colour) > 0)
        result = rgbValue(faded(redOf(colour) - step), 0, 0);
    return result;
}

bool QuoteBoard::tick(GridData& grid)
{
    if (grid.Cols < 2) {
        m_cursor = 0;
        return false;
    }
    for (int step = 0; step < kRowsPerTick; ++step) {
        if (m_cursor >= grid.Rows || m_cursor < 0)
            m_cursor = 0;
        if (grid.Rows <= 0)
            break;
        const int row = m_cursor;
        const QString symbol = CellTextTrimmed(grid, 0, row);
        if (!symbol.isEmpty()) {
            const QString price = m_lookup(symbol);
            // The lookup lets events run: the row may be gone or hold another symbol now.
            if (textValue(price) != 0 && row < grid.Rows && grid.Cols >= 2
                && CellTextTrimmed(grid, 0, row) == symbol) {
                SetCellText(grid, 1, row, price);
                m_painter(row);
            }
        }
        if (m_cursor >= grid.Rows)
            m_cursor = 0;
        ++m_cursor;
    }
    --m_cursor;
    fade(grid);
    ++m_cursor;
    if (m_cursor >= grid.Rows) {
        m_cursor = 0;
        return false;
    }
    return true;
}

void QuoteBoard::fade(GridData& grid)
{
    if (grid.Cols < 2)
        return;
    for (int row = 0; row < grid.Rows; ++row) {
        ColorValue& colour = grid.Cell(1, row).ForeColor;
        if (colour == 0)
            continue;
        colour = fadeColour(colour, m_fadeStep);
        m_painter(row);
    }
}

bool QuoteBoard::colourQuote(GridData& grid, const QString& rawTicker)
{
    const QString ticker = rawTicker.trimmed();
    if (ticker.isEmpty())
        return false;
    bool listed = false;
    for (int row = 0; row < grid.Rows && grid.Cols >= 2; ++row) {
        if (CellTextTrimmed(grid, 0, row).compare(ticker, Qt::CaseInsensitive) != 0)
            continue;
        listed = true;
        const QString price = m_lookup(ticker);
        // The lookup lets events run: look at the row again.
        if (row >= grid.Rows || grid.Cols < 2 || CellTextTrimmed(grid, 0, row).compare(ticker, Qt::CaseInsensitive) != 0)
            continue;
        const double newValue = textValue(price);
        GridCell& cell = grid.Cell(1, row);
        const double oldValue = textValue(cell.Text);
        if (newValue == 0 || oldValue == 0)
            continue;
        const QString newText = formatString(price, grid.ColFormat.value(1));
        if (cell.Text != newText) {
            cell.ForeColor = newValue > oldValue ? kUp : kDown;
            cell.Text = newText;
            m_painter(row);
        } else if (redOf(cell.ForeColor) == 0 && greenOf(cell.ForeColor) == 0) {
            cell.ForeColor = kConfirmed;
            cell.Text = newText;
            m_painter(row);
        }
    }
    return listed;
}
