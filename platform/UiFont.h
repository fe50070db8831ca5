#pragma once

#include <QFont>

// The interface fonts. "DejaVu Sans Condensed" at 11 pixels stands in for the 8.25 pt
// interface font of a 96 dpi screen: its "0" is 6 pixels wide and its lines 13 pixels
// high, and full hinting keeps every advance a whole pixel, so widths counted in
// characters come out as the layouts expect. "DejaVu Sans"
// takes its place where the condensed face is not installed. Sizes are in pixels, so
// the metrics do not depend on the screen's dots per inch.

// The font of chart surfaces, grids, lists and labels (11 pixels).
QFont chartFont();
// The slightly larger font of the chart's quote panels (12 pixels).
QFont panelFont();
// The interface face at `pixelSize` pixels, optionally bold.
QFont uiFont(int pixelSize, bool bold = false);
