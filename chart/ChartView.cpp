#include "ChartView.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

// The arithmetic below relies on the default rounding mode: to nearest, halves to even.

Fixed4 Fixed4::fromDouble(double value)
{
    return Fixed4{std::llrint(value * 10000.0)};
}

int roundEven(double value)
{
    return int(std::lrint(value));
}

void LayoutPanes(ChartView& view, double surfaceWidth, double surfaceHeight)
{
    view.width = roundEven(surfaceWidth);
    view.height = std::max(roundEven(surfaceHeight), 50);
    view.paneBottom = roundEven(view.height - 2.4 * view.textHeight + 1);
    view.plotRight = view.width - 10 * view.charWidth + 1;

    const float bottom = float(view.paneBottom);
    view.paneEdge.fill(0.0f);
    view.paneEdge[1] = bottom;
    if (view.studyCount == 1) {
        view.paneEdge[1] = 0.7f * bottom;
    } else if (view.studyCount > 1) {
        view.paneEdge[1] = 0.5f * bottom;
        for (int k = 1; k < view.studyCount; ++k)
            view.paneEdge[k + 1] = view.paneEdge[1] + (bottom - view.paneEdge[1]) * k / view.studyCount;
    }
    view.paneEdge[view.studyCount + 1] = bottom;
}

void clampOffset(ChartView& view)
{
    view.dayOffset = std::min(view.dayOffset, ChartView::kMaxOffset);
}

float rightMarginOf(const ChartView& view)
{
    return 1.5f * view.barSpacing;
}

int rightSlotX(const ChartView& view)
{
    return roundEven(view.plotRight - view.rightMargin);
}

bool spacingBigger(ChartView& view)
{
    if (view.barSpacing > 30)
        return false;
    const double step = view.barSpacing > 4 ? view.barSpacing / 2.0 : 1.0;
    view.barSpacing = roundEven(view.barSpacing + step);
    return true;
}

bool spacingSmaller(ChartView& view)
{
    if (view.barSpacing <= 1)
        return false;
    const double step = view.barSpacing > 5 ? view.barSpacing / 3.0 : 1.0;
    view.barSpacing = std::max(1, roundEven(view.barSpacing - step));
    return true;
}

int priceY(const PriceScale& scale, double p)
{
    const qint64 diff = Fixed4::fromDouble(p).units - scale.low.units;
    const qint64 product = std::llrint(double(diff) * scale.pixelsPerUnit);
    const qint64 y = scale.baseY.units - product;
    // y / 10000 rounded, halves to even, in integers.
    qint64 whole = y / 10000;
    qint64 rest = y % 10000;
    if (rest < 0) {
        rest += 10000;
        --whole;
    }
    if (rest > 5000 || (rest == 5000 && (whole & 1)))
        ++whole;
    return int(whole);
}

void fitScale(const ChartView& view, PriceScale& scale)
{
    if (scale.high == scale.low) {
        scale.high = Fixed4::fromDouble(1.5 * scale.high.toDouble());
        scale.low = Fixed4::fromDouble(0.75 * scale.low.toDouble());
    }
    const double range = scale.high.toDouble() - scale.low.toDouble();
    // A range of zero is left only by a price of 0; a unit scale keeps the mapping finite.
    scale.pixelsPerUnit = range > 0 ? view.paneEdge[1] / range : 1.0;
    scale.baseY = Fixed4::fromDouble(view.paneEdge[1] - view.paneEdge[0]);
}

int dragOffset(int startOffset, int pressX, int x, int barSpacing)
{
    return startOffset + roundEven((pressX - x) / (5.0 / 7.0 * barSpacing));
}

int paneBoundaryAt(const ChartView& view, int y)
{
    for (int k = 1; k <= view.studyCount; ++k) {
        const float edge = view.paneEdge[k];
        const float above = k == 1 ? 1.0f : 0.0f;
        if (y >= edge - above && y < edge + 3)
            return k;
    }
    return 0;
}

bool dragPaneBoundary(ChartView& view, int k, int y)
{
    const float upper = view.paneEdge[k - 1];
    const float lower = view.paneEdge[k + 1];
    const float edge = view.paneEdge[k];
    if (edge - upper < 4 || lower - edge < 4)
        return false;
    float target = float(y);
    if (target < upper + 5)
        target = upper + 6;
    if (target > lower - 5)
        target = lower - 6;
    view.paneEdge[k] = target;
    return true;
}

int barPenWidth(int barSpacing)
{
    return barSpacing > 18 ? 3 : barSpacing > 8 ? 2 : 1;
}

int barTickLength(int barSpacing)
{
    return std::max(1, roundEven(barSpacing / 3.0));
}
