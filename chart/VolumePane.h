#pragma once

#include "ChartRange.h"

#include <QString>

// The label at the right end of the volume pane: the volume at the right edge, its
// box centred on the height that volume reaches at 85 % of the pane.
struct VolumeLabel {
    int top = 0;
    int bottom = 0;
    QString text;  // " " + the volume with thousands separators
};

// The label of the bar at the right edge (or of the newest bar when the right edge
// lies past it). False when there is no volume pane or that bar has no volume. Raises
// volumeMax to 100 when it is below, as the volume bars then use too.
bool volumeLabel(const ChartView& view, VolumeStats& volume, const BarSeries& bars, VolumeLabel& label);

// One bar of the volume pane: a line from `bottom` up to `top`; for a spike, the part
// above `spikeTop` is drawn wider, in green when the close rose and red otherwise.
struct VolumeBar {
    int bottom = 0;
    int top = 0;
    bool spike = false;
    int spikeTop = 0;  // y of the spike level
    bool rising = false;
};

// Walks the volume bars from the right edge leftwards. A bar is a spike when its
// volume exceeds 1.6 times the average of the 30 slots before it; the sum behind that
// average slides one bar at each step.
class VolumeWalk {
public:
    VolumeWalk(const ChartView& view, const VolumeStats& volume, const BarSeries& bars);

    // The bar of index i, a non-empty bar with a volume. Call for each such bar from
    // the right edge leftwards.
    VolumeBar step(int i);

private:
    BarSeries m_bars;
    double m_height = 0;     // 90 % of the pane
    double m_volumeMax = 1;
    double m_volumeSum = 0;
    float m_paneBottom = 0;
};
