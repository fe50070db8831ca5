#pragma once

#include <QtGlobal>

#include <array>

// A price held in four-decimal fixed point: `units` ten-thousandths.
struct Fixed4 {
    qint64 units = 0;

    static Fixed4 fromDouble(double value);
    double toDouble() const { return double(units) / 10000.0; }
    friend bool operator==(Fixed4 a, Fixed4 b) { return a.units == b.units; }
    friend bool operator<(Fixed4 a, Fixed4 b) { return a.units < b.units; }
};

// Rounds to the nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4).
int roundEven(double value);

// How the chart surface is laid out: the horizontal slots of the bars, the panes and
// the room for the labels. One per chart window.
struct ChartView {
    static constexpr int kMaxStudies = 7;
    static constexpr int kDefaultSpacing = 4;
    static constexpr int kMaxOffset = 150;
    static constexpr int kMinRedrawHeight = 60;

    int paneBottom = 0;     // y of the bottom of the lowest pane
    int plotRight = 0;      // x of the right edge of the plotting area
    float rightMargin = 0;  // 1.5 bar spacings, set at every redraw
    // Pane boundaries: [0] top of the price pane, [1] its bottom, [k + 1] the bottom
    // of study pane k, [studyCount + 1] == paneBottom. Increasing.
    std::array<float, 9> paneEdge{};
    int studyCount = 0;
    int charWidth = 6;      // width of "0" in the chart font
    int textHeight = 13;    // height of "0" in the chart font
    int remainWidth = 0;    // pixels the layout pass left unfilled (<= 0 after a full pass)
    int height = 0;
    int width = 0;
    int barSpacing = kDefaultSpacing;  // pixels per weekday slot
    int dayOffset = 0;      // weekdays from today to the right edge; at most kMaxOffset
    int chartType = 0;      // 0 bars, 1 candles, 2 close line
    bool wrenBands = false;
    bool cursorTracking = false;
    int firstHidden = 0;    // index of the first bar left of the visible range
    int newestVisible = 0;  // index of the bar at the right edge (negative past the newest bar)
    int xOrigin = 0;        // x of the slot of firstHidden
};

// The vertical mapping of the price pane.
struct PriceScale {
    Fixed4 baseY;  // pixel y of the price `low`
    Fixed4 low;
    Fixed4 high;
    double pixelsPerUnit = 1.0;
};

// Divides a surface of the given size into the price pane and the study panes, with
// the date axis below them and the price labels to their right.
void LayoutPanes(ChartView& view, double surfaceWidth, double surfaceHeight);

// Keeps the right edge at most kMaxOffset weekdays past today.
void clampOffset(ChartView& view);
// 1.5 bar spacings of room right of the newest slot.
float rightMarginOf(const ChartView& view);
// The x of the slot at the right edge, as the layout pass places it.
int rightSlotX(const ChartView& view);

// The zoom steps. Each returns false when the spacing is already at its limit.
// Spacings reachable from the default: 1, 2, 3, 4, 5, 8, 12, 18, 27, 40.
bool spacingBigger(ChartView& view);
bool spacingSmaller(ChartView& view);

// Slot position of bar index i (bars newest first).
inline int barX(const ChartView& view, int i)
{
    return (view.firstHidden - i) * view.barSpacing + view.xOrigin;
}

// Pixel y of price p: computed in four-decimal fixed point and rounded to a whole
// pixel, halves to even.
int priceY(const PriceScale& scale, double p);

// Widens a range of zero height (a flat series) and sets pixelsPerUnit and baseY from
// the price pane.
void fitScale(const ChartView& view, PriceScale& scale);

// The day offset while the date axis is dragged from pressX to x.
int dragOffset(int startOffset, int pressX, int x, int barSpacing);

// The pane boundary (1..studyCount) a press at y grabs, or 0 for none.
int paneBoundaryAt(const ChartView& view, int y);

// Moves boundary k towards y. Returns false (and changes nothing) when the boundary is
// already squeezed within 4 pixels of a neighbour: the caller restores the layout.
bool dragPaneBoundary(ChartView& view, int k, int y);

// Pen width of OHLC bars and the close line: 1, 2 above a spacing of 8, 3 above 18.
// Bars wider than one pixel are drawn light grey instead of white.
int barPenWidth(int barSpacing);
// Length of the open and close ticks of a bar, and the half width of a candle body:
// a third of the spacing, at least 1.
int barTickLength(int barSpacing);
