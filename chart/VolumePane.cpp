#include "VolumePane.h"

#include "Format.h"

#include <algorithm>

namespace {

double volumeAt(const BarSeries& bars, int i)
{
    return bars.inRange(i) ? bars.bars[i].Volume : 0.0;
}

// Height of the volume pane in whole pixels.
int volumePaneHeight(const ChartView& view)
{
    return roundEven(view.paneEdge[2] - view.paneEdge[1]);
}

} // namespace

bool volumeLabel(const ChartView& view, VolumeStats& volume, const BarSeries& bars, VolumeLabel& label)
{
    if (view.studyCount < 1)
        return false;
    const double v = volumeAt(bars, std::max(view.newestVisible, 0));
    if (v <= 0)
        return false;
    const int h = roundEven(volumePaneHeight(view) * 0.85);
    if (volume.volumeMax.toDouble() < 100)
        volume.volumeMax = Fixed4::fromDouble(100);
    const int level = roundEven(h * v / volume.volumeMax.toDouble());
    const float edge = view.paneEdge[2];
    label.top = roundEven(edge - level - 0.7 * view.textHeight);
    label.bottom = roundEven(edge - level + 0.7 * view.textHeight);
    label.text = QLatin1Char(' ') + formatNumber(v, QStringLiteral("#,###,###")).trimmed();
    return true;
}

VolumeWalk::VolumeWalk(const ChartView& view, const VolumeStats& volume, const BarSeries& bars)
    : m_bars(bars)
    , m_height(roundEven(0.9 * volumePaneHeight(view)))
    , m_volumeMax(volume.volumeMax.units == 0 ? 1.0 : volume.volumeMax.toDouble())
    , m_volumeSum(volume.volumeSum)
    , m_paneBottom(view.paneEdge[2])
{
}

VolumeBar VolumeWalk::step(int i)
{
    const DailyBar& bar = m_bars.at(i);
    const double v = bar.Volume;
    VolumeBar out;
    out.bottom = roundEven(m_paneBottom - 1);
    out.top = roundEven(m_paneBottom - m_height * v / m_volumeMax);
    const double spikeVolume = 1.6 * m_volumeSum / 30;
    if (v > spikeVolume) {
        out.spike = true;
        out.spikeTop = roundEven(m_paneBottom - m_height * spikeVolume / m_volumeMax);
        out.rising = bar.Close > previousClose(m_bars, i);
    }
    double older = volumeAt(m_bars, i + 30);
    if (older == 0)
        older = volumeAt(m_bars, i + 31);
    m_volumeSum += older - v;
    return out;
}
