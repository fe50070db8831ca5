#include "Replay.h"

#include "MarketTime.h"

#include <algorithm>
#include <cmath>

namespace {

const int kMaxExtraWeeks = 52;

bool hasDay(const QVector<PriceRow>& rows, qint64 day)
{
    const auto it = std::lower_bound(rows.cbegin(), rows.cend(), day,
                                     [](const PriceRow& r, qint64 d) { return r.day < d; });
    return it != rows.cend() && it->day == day;
}

QDate weekdayBefore(const QDate& date)
{
    QDate d = date.addDays(-1);
    while (!isWeekday(d))
        d = d.addDays(-1);
    return d;
}

} // namespace

ReplayPlan planReplay(const QVector<PriceRow>& rows, const QDate& today)
{
    ReplayPlan plan;
    if (rows.isEmpty())
        return plan;
    const qint64 target = today.toJulianDay();
    const qint64 yesterday = weekdayBefore(today).toJulianDay();
    const bool trading = isWeekday(today);

    // The fewest whole weeks (possibly negative) that bring the last row to today or later,
    // then more while the data has a holiday on the last weekday before today or on today.
    const qint64 gap = target - rows.last().day;
    const qint64 fewest = gap > 0 ? (gap + 6) / 7 : -((-gap) / 7);
    qint64 shift = fewest * 7;
    for (int extra = 0; extra <= kMaxExtraWeeks; ++extra) {
        const qint64 candidate = (fewest + extra) * 7;
        if (hasDay(rows, yesterday - candidate) && (!trading || hasDay(rows, target - candidate))) {
            shift = candidate;
            break;
        }
    }
    plan.shiftDays = int(shift);

    const auto end = std::lower_bound(rows.cbegin(), rows.cend(), target - shift,
                                      [](const PriceRow& r, qint64 day) { return r.day < day; });
    plan.historyEnd = int(end - rows.cbegin());
    if (trading && plan.historyEnd < rows.size())
        plan.todayRow = plan.historyEnd;
    return plan;
}

double roundPrice(double price)
{
    const double scale = price < 1.0 ? 10000.0 : 100.0;
    return std::round(price * scale) / scale;
}

IntradayBar intradayBar(const PriceRow& day, int seconds)
{
    const double open = day.open;
    const double close = day.close;
    const double high = std::max({day.high, open, close});
    const double low = std::min({day.low, open, close});

    IntradayBar bar;
    bar.open = open;
    if (seconds >= kSessionClose) {
        bar.high = high;
        bar.low = low;
        bar.last = close;
        bar.volume = day.volume;
        return bar;
    }
    const double f = seconds <= kSessionOpen
                         ? 0.0
                         : double(seconds - kSessionOpen) / double(kSessionClose - kSessionOpen);

    // The walk open -> first extreme -> second extreme -> close at constant speed.
    const double first = close >= open ? low : high;
    const double second = close >= open ? high : low;
    const double legs[3] = {std::abs(first - open), std::abs(second - first),
                            std::abs(close - second)};
    const double points[4] = {open, first, second, close};
    double distance = f * (legs[0] + legs[1] + legs[2]);
    double last = open;
    double runHigh = open;
    double runLow = open;
    for (int leg = 0; leg < 3; ++leg) {
        if (distance <= legs[leg] || leg == 2) {
            const double part = legs[leg] > 0 ? std::min(1.0, distance / legs[leg]) : 1.0;
            last = points[leg] + (points[leg + 1] - points[leg]) * part;
            break;
        }
        distance -= legs[leg];
        runHigh = std::max(runHigh, points[leg + 1]);
        runLow = std::min(runLow, points[leg + 1]);
    }
    last = std::clamp(roundPrice(last), low, high);
    bar.last = last;
    bar.high = std::max(runHigh, last);
    bar.low = std::min(runLow, last);
    bar.volume = std::llround(double(day.volume) * f / 100.0) * 100;
    bar.volume = std::min(bar.volume, day.volume);
    return bar;
}
