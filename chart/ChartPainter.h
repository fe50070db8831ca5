#pragma once

#include "ChartModel.h"
#include "DateAxis.h"
#include "PriceAxis.h"

#include <QList>
#include <QPoint>

class DrawingSurface;

// Paints a chart model on a drawing surface. Keeps its working storage between
// redraws, so that a redraw allocates nothing per bar.
class ChartPainter {
public:
    // The full redraw: lays the model out for `today` (yyyymmdd), clears the surface in
    // the chart background, then draws the pane separators, the price scale, the date
    // axis, today's marks with the price and volume labels and the volume bars, and
    // last the bars in the model's chart type.
    void redraw(ChartModel& model, DrawingSurface& surface, qint32 today);
    // The raised edges between the panes.
    static void drawSeparators(const ChartModel& model, DrawingSurface& surface);

private:
    void drawYScale(const ChartModel& model, DrawingSurface& s);
    void drawDates(const ChartModel& model, DrawingSurface& s);
    void drawTodayAndVolume(ChartModel& model, DrawingSurface& s);
    void drawBars(const ChartModel& model, DrawingSurface& s);
    void drawCandles(const ChartModel& model, DrawingSurface& s);
    void drawCloseLine(const ChartModel& model, DrawingSurface& s);

    PriceAxis m_axis;
    std::vector<DateMark> m_marks;
    QList<QPoint> m_points;
};
