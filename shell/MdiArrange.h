#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Geometry of the Window menu's arrangements.

// `count` windows tiled over `area`: side by side (each the full height, the width
// shared) or one above the other (each the full width, the height shared). The
// pieces cover the area exactly; the leftover pixels go to the later windows.
QList<QRect> tileRects(const QRect& area, int count, bool sideBySide);

// Top-left positions of minimised windows of the given sizes: in a row along the
// bottom of `area` from its left edge, a new row above when the row is full.
QList<QPoint> iconPositions(const QRect& area, const QList<QSize>& iconSizes);
