#pragma once

#include "GridData.h"

#include <QString>

#include <initializer_list>

// A grid as the tests use it: titles "A", "B", "C"...; column 0 a text column with the
// leading-space format, other columns prices; title row 19 pixels, rows 17 pixels; the
// cell of row r, column c holds "r<r>c<c>" (column 0: " R<r>").
inline GridData makeGrid(int rows, std::initializer_list<int> widths = {40, 60, 50}, int surfaceWidth = 300,
                         int surfaceHeight = 200)
{
    GridData g;
    g.HeaderHeight = 19;
    g.RowHeight = 17;
    int c = 0;
    for (int w : widths) {
        GridColumnSetup s;
        s.Title = QString(QChar(u'A' + c));
        s.Format = c == 0 ? QStringLiteral("\\ !") : QStringLiteral("0.00\\ ");
        s.Width = static_cast<qint16>(w);
        s.Align = c == 0 ? GridAlign::Left : GridAlign::Right;
        g.Setup.append(s);
        ++c;
    }
    g.Cols = static_cast<qint16>(c);
    g.Rows = rows;
    AllocateGrid(g);
    for (int r = 0; r < rows; ++r) {
        g.Cell(0, r).Text = QStringLiteral(" R%1").arg(r);
        for (int col = 1; col < c; ++col)
            g.Cell(col, r).Text = QStringLiteral("r%1c%2").arg(r).arg(col);
    }
    g.SurfaceWidth = surfaceWidth;
    g.SurfaceHeight = surfaceHeight;
    return g;
}
