#include "ChartRange.h"

#include "Dates.h"

#include <algorithm>

const DailyBar BarSeries::kEmpty{};

qint32 rightEdgeDate(qint32 today, int dayOffset)
{
    return AddWeekdaysJulian(AddWeekdaysJulian(today, 0), dayOffset);
}

int rightEdgeIndex(const BarSeries& bars, qint32 rightEdge)
{
    const qint32 newest = bars.newestDate();
    if (newest == 0)
        return 0;
    return JulianWeekdayOffset(rightEdge, newest);
}

void CalcHighAndLow(ChartView& view, PriceScale& scale, VolumeStats& volume,
                    const BarSeries& bars, float& ecn, qint32 rightEdge)
{
    if (ecn == 0 && bars.count > 0)
        ecn = bars.bars[0].Close;

    constexpr qint64 kNoLow = qint64(999999999) * 10000;
    qint64 high = 0;
    qint64 low = kNoLow;
    double volumeMax = 0;
    double volumeSum = 0;
    int volumesSummed = 0;

    int i = rightEdgeIndex(bars, rightEdge);
    if (i < 1 && ecn != 0) {
        const qint64 latest = Fixed4::fromDouble(ecn).units;
        high = std::max(high, latest);
        low = std::min(low, latest);
    }
    view.newestVisible = i;
    view.remainWidth = rightSlotX(view);
    // The pass fills the whole width, however far back that reaches: slots past the
    // oldest bar are empty, so a chart scrolled years back keeps its bars in view.
    while (view.remainWidth > 0) {
        if (bars.inRange(i)) {
            const DailyBar& bar = bars.bars[i];
            if (bar.Volume != 0) {
                volumeMax = std::max(volumeMax, double(bar.Volume));
                if (volumesSummed < 29) {
                    volumeSum += bar.Volume;
                    ++volumesSummed;
                }
            }
            if (bar.High != 0)
                high = std::max(high, Fixed4::fromDouble(bar.High).units);
            if (bar.Low != 0)
                low = std::min(low, Fixed4::fromDouble(bar.Low).units);
        }
        ++i;
        view.remainWidth -= view.barSpacing;
    }
    view.firstHidden = i;
    view.xOrigin = view.remainWidth;

    if (high == 0) {
        high = 10000;
        low = 0;
    } else if (low == kNoLow) {
        low = 0;
    }
    const double range = double(high - low) / 10000.0;
    scale.high = Fixed4::fromDouble(double(high) / 10000.0 + 0.1 * range);
    scale.low = Fixed4::fromDouble(double(low) / 10000.0 - 0.05 * range);
    volume.volumeMax = Fixed4::fromDouble(volumeMax);
    volume.volumeSum = volumeSum;
}

bool currentPrice(const ChartView& view, const BarSeries& bars, float ecn, double& price)
{
    const int i = view.newestVisible;
    if (i < 1) {
        price = ecn;
        return ecn != 0;
    }
    for (int k = i; k < bars.count; ++k) {
        if (!bars.bars[k].isEmpty() && bars.bars[k].Close != 0) {
            price = bars.bars[k].Close;
            return true;
        }
    }
    return false;
}

float previousClose(const BarSeries& bars, int i)
{
    for (int k = std::max(i + 1, 0); k < bars.count; ++k) {
        if (!bars.bars[k].isEmpty())
            return bars.bars[k].Close;
    }
    return 0;
}
