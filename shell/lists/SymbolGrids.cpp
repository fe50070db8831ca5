#include "SymbolGrids.h"

#include <algorithm>

QVector<GridColumnSetup> sectorGridColumns(int zeroWidth)
{
    return {{QStringLiteral("Sector"), QStringLiteral("\\ !"), static_cast<qint16>(11 * zeroWidth), GridAlign::Left,
             qbColor(PaletteIndex::LightGrey)}};
}

QVector<GridColumnSetup> symbolGridColumns(int zeroWidth)
{
    return {{QStringLiteral("Ticker"), QStringLiteral("\\ !"), static_cast<qint16>(7 * zeroWidth), GridAlign::Left,
             qbColor(PaletteIndex::Aqua)},
            {QStringLiteral("Last"), QStringLiteral("0.00\\ "), static_cast<qint16>(10 * zeroWidth), GridAlign::Right,
             qbColor(PaletteIndex::White)}};
}

void FillSectorGrid(GridData& grid, const QStringList& names)
{
    grid.Cols = 1;
    grid.Rows = static_cast<qint32>(names.size());
    AllocateGrid(grid);
    for (int r = 0; r < names.size(); ++r)
        SetCellText(grid, 0, r, names[r]);
}

void FillSymbolGrid(GridData& grid, const QVector<ListEntry>& entries)
{
    grid.Cols = 2;
    grid.Rows = static_cast<qint32>(entries.size());
    AllocateGrid(grid);
    for (int r = 0; r < entries.size(); ++r) {
        SetCellText(grid, 0, r, entries[r].symbol);
        grid.Cell(0, r).Tag = entries[r].label;
    }
}

QStringList SymbolGridLines(const GridData& grid)
{
    QStringList lines;
    for (int r = 0; r < grid.Rows; ++r) {
        const QString text = CellTextTrimmed(grid, 0, r);
        if (text.isEmpty())
            continue;
        lines << ListEntry{grid.Cell(0, r).Tag, text}.line();
    }
    return lines;
}

void InsertSymbolRow(GridData& grid, const QString& text)
{
    grid.CurRow = std::clamp<qint32>(grid.CurRow, 0, grid.Rows);
    InsertGridRow(grid, grid.CurRow);
    SetCellText(grid, 0, grid.CurRow, text.trimmed());
}

bool DeleteSymbolRow(GridData& grid)
{
    if (grid.Rows < 2)
        return false;
    RemoveGridRow(grid, std::clamp<qint32>(grid.CurRow, 0, grid.Rows - 1));
    grid.CurRow = std::clamp<qint32>(grid.CurRow, 0, grid.Rows - 1);
    return true;
}

QString CommittedSymbolText(const QString& cellText)
{
    if (cellText.trimmed().isEmpty() || isPlaceholder(cellText))
        return QString::fromLatin1(kPlaceholderShown);
    return cellText.toUpper();
}

QString SymbolOfRow(const GridData& grid, int row)
{
    if (row < 0 || row >= grid.Rows)
        return {};
    const QString text = CellTextTrimmed(grid, 0, row);
    return isPlaceholder(text) ? QString() : text.toUpper();
}
