#pragma once

#include "ChartRange.h"
#include "QuoteRecord.h"

#include <QVector>

// What one chart window holds: its bars and quote, the layout of its surface and the
// state of the mouse. The window's redraw lays the model out and paints it.
struct ChartModel {
    // Bars held at most: a price file of more slots is refused.
    static constexpr int kMaxBars = 6001;
    enum class MouseMode { None, DateAxis, PaneBoundary };

    ChartView view;
    PriceScale scale;
    VolumeStats volume;
    QVector<DailyBar> bars;  // newest first, empty slots kept
    QuoteRecord quote;       // the window's copy of the symbol's quote record
    QString ticker;
    bool loaded = false;
    bool showGrid = true;
    MouseMode mouseMode = MouseMode::None;
    int maLength = 0;       // moving-average length in bars; 0 means 21
    qint32 rightEdge = 0;   // yyyymmdd of the right edge at the last layout
    qint32 chartDate = 0;   // yyyymmdd of the newest bar drawn at the last redraw

    BarSeries series() const { return {bars.constData(), int(bars.size())}; }
    // The grid is hidden while the chart is dragged.
    bool gridShown() const { return showGrid && mouseMode == MouseMode::None; }
    bool dragging() const { return mouseMode != MouseMode::None; }
};

// The layout half of a redraw, for a surface `surfaceHeight` pixels high on the day
// `today` (yyyymmdd): clamps the offset, sets the right margin and the right edge,
// raises the height to 60, lays the slots out and fits the price scale.
void layoutChart(ChartModel& model, int surfaceHeight, qint32 today);
