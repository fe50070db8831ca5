#pragma once

#include "GridData.h"
#include "ListFile.h"

#include <QStringList>

// The main window's two list grids as plain models: the sector grid (one column of
// sector names) and the symbol grid (column 0 the entries of one list file, column 1
// their last prices, filled by the quote board).

// Column setups; widths count in "0" characters of the grid font.
QVector<GridColumnSetup> sectorGridColumns(int zeroWidth);
QVector<GridColumnSetup> symbolGridColumns(int zeroWidth);

// Fills the sector grid with `names` (no rows for none).
void FillSectorGrid(GridData& grid, const QStringList& names);
// Fills the symbol grid with the entries of a list file; each row keeps its entry's
// label in column 0's Tag so that saving writes the line back as it was.
void FillSymbolGrid(GridData& grid, const QVector<ListEntry>& entries);

// The lines the symbol grid is saved as: per row the trimmed column 0 text behind its
// label, rows without text left out. The placeholder is written "empty".
QStringList SymbolGridLines(const GridData& grid);

// A new row at the current row (rows from there move down, all columns) holding
// `text` in column 0. The current row is first brought within 0 ... Rows.
void InsertSymbolRow(GridData& grid, const QString& text);
// Removes the current row; the current row then stays within the rows. False (and
// nothing changed) with fewer than two rows.
bool DeleteSymbolRow(GridData& grid);

// The text an edited symbol cell keeps: upper case, except that the placeholder stays
// " empty" and an empty edit becomes the placeholder.
QString CommittedSymbolText(const QString& cellText);

// The symbol of a row: the trimmed column 0 text, upper-cased; empty for the
// placeholder, a blank row or a row the grid does not have.
QString SymbolOfRow(const GridData& grid, int row);
