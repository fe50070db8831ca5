#pragma once

#include <QString>

#include <functional>

class QMdiArea;
class QMdiSubWindow;

// What the main window asks of a chart window. The chart commands of the menus, the
// toolbar, the symbol box and the moving-average scroll bar all end in one of these
// calls on the "current chart".
//
// A chart window is a QMdiSubWindow of the main window's QMdiArea whose dynamic
// property "tag" is "NetChart" and which implements ChartTarget itself or through
// its widget() (see chartOf()).
class ChartTarget {
public:
    virtual ~ChartTarget() = default;

    // The symbol the chart shows.
    virtual QString Ticker() const = 0;
    // Loads the symbol's bars and quote and redraws.
    virtual void DrawChart(const QString& tTicker) = 0;
    // Scrolls back to the newest bar; redraws only when tRedraw is true.
    virtual void ResetOffset(bool tRedraw) = 0;
    // 0 bars, 1 candles, 2 line.
    virtual void SetChartType(int tChartType) = 0;
    virtual void SetGrid(bool tShow) = 0;
    virtual void SetCursorTracking(bool tOn) = 0;
    virtual void SetWrenBands(bool tOn) = 0;
    // Length of the moving average in bars.
    virtual void SetMA(int tLenth) = 0;
    // One zoom step in / out.
    virtual void SpacingBigger() = 0;
    virtual void SpacingSmaller() = 0;
    virtual void ClearTrendLines() = 0;
    // Searches and stores one automatic resistance (tResistance true) or support line.
    virtual void DrawAutoLine(int tMaxDays, int tDaysBack, bool tResistance) = 0;
    virtual void StudyAdd() = 0;
    virtual void StudyRemove() = 0;
    // Puts the chart on the clipboard. With a width and height above 0 the chart
    // window's outer size is set to them first; 0 by 0 copies at the current size.
    // The main window has already restored a maximised chart and skipped a minimised one.
    virtual void CopyChart(int tWidth, int tHeight) = 0;
};

// The dynamic property that tags a child window, and the tags the main window knows.
inline constexpr const char* kTagProperty = "tag";
inline constexpr const char* kChartTag = "NetChart";
inline constexpr const char* kToolboxTag = "toolbox";

// Creates a chart window in `area`, adds its default study and shows it; returns the
// new sub-window (the main window tags it "NetChart" when the factory has not), or
// nullptr when no chart could be made. Registered with MainMDI::setChartFactory();
// without a factory the chart commands do nothing.
using ChartFactory = std::function<QMdiSubWindow*(QMdiArea* area)>;

// The chart behind a child window: the sub-window itself or its widget when either
// implements ChartTarget and the sub-window is tagged "NetChart"; nullptr otherwise.
ChartTarget* chartOf(QMdiSubWindow* window);
