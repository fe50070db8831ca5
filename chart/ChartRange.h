#pragma once

#include "ChartView.h"
#include "DailyBar.h"

// The chart's bars: element i is the slot i weekdays before the newest slot of the
// price file, empty slots included. An index outside the array is an empty slot.
struct BarSeries {
    const DailyBar* bars = nullptr;
    int count = 0;

    const DailyBar& at(int i) const { return inRange(i) ? bars[i] : kEmpty; }
    bool inRange(int i) const { return i >= 0 && i < count; }
    qint32 newestDate() const { return count > 0 ? bars[0].Date : 0; }

    static const DailyBar kEmpty;
};

// What the layout pass gathers for the volume pane.
struct VolumeStats {
    Fixed4 volumeMax;
    double volumeSum = 0;  // sum of the first 29 non-zero volumes from the right edge
};

// The right edge as a yyyymmdd date: today moved off a weekend (Saturday forward to
// Monday, Sunday back to Friday), then `dayOffset` weekdays on.
qint32 rightEdgeDate(qint32 today, int dayOffset);

// Index of the bar at the right edge: weekdays from the right-edge date back to the
// newest bar (negative when the right edge lies after it). 0 without bars.
int rightEdgeIndex(const BarSeries& bars, qint32 rightEdge);

// Lays the visible slots out from the right edge leftwards and finds the price range
// they need: sets newestVisible, firstHidden, remainWidth and xOrigin of `view`, low
// and high of `scale` (with 10 % head room above and 5 % below) and the volume stats.
// When the right edge is at or beyond the newest bar the latest price `ecn` widens the
// range; an `ecn` of 0 first takes the newest bar's close.
void CalcHighAndLow(ChartView& view, PriceScale& scale, VolumeStats& volume,
                    const BarSeries& bars, float& ecn, qint32 rightEdge);

// The price the label at the right edge shows: the latest price when the right edge is
// at or beyond the newest bar, otherwise the close at the right edge; a right edge on
// an empty slot shows the last close before it. False when there is none.
bool currentPrice(const ChartView& view, const BarSeries& bars, float ecn, double& price);

// The close of the nearest non-empty bar older than index i; 0 when there is none.
float previousClose(const BarSeries& bars, int i);
