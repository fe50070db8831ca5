#include "PriceAxis.h"

#include <cmath>

double priceStep(double range, float paneHeight)
{
    const int n = int(std::floor(paneHeight / 45.0)) + 3;
    double step = range / n;
    double m = 1;
    while (step > 1) {
        step /= 10;
        m *= 10;
    }
    if (step > 0.6)
        step = 1;
    else if (step > 0.3)
        step = 0.5;
    else if (step > 0.12)
        step = 0.25;
    else
        step = 0.1;
    return step * m;
}

QString priceLabelFormat(double topValue)
{
    if (topValue < 0.05)
        return QStringLiteral("0.00000");
    if (topValue < 1)
        return QStringLiteral("0.0000");
    if (topValue < 5)
        return QStringLiteral("0.000");
    return QStringLiteral("###,###.00");
}

void layoutPriceAxis(const ChartView& view, const PriceScale& scale, PriceAxis& axis)
{
    axis.labels.clear();
    const double low = scale.low.toDouble();
    const double high = scale.high.toDouble();
    axis.step = priceStep(high - low, view.paneEdge[1]);
    const double first = (std::floor(low / axis.step) + 1) * axis.step;
    const double last = (std::floor(high / axis.step) + 1) * axis.step;
    axis.format = priceLabelFormat(last);

    // Values are computed from their index, so no error builds up along the scale.
    const long long count = std::llround((last - first) / axis.step);
    for (long long k = 0; k <= count; ++k) {
        const double value = first + double(k) * axis.step;
        const int y = priceY(scale, value);
        const int top = roundEven(y - view.textHeight / 2.0);
        if (top + view.textHeight < view.paneEdge[1])
            axis.labels.push_back({value, y, top});
    }
}
