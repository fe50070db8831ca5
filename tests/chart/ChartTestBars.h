#pragma once

#include "ChartRange.h"
#include "Dates.h"

#include <vector>

// Bars laid out the way the chart holds them: newest first, element i the slot i
// weekdays before the newest bar, days without a bar left empty.
struct TestBars {
    std::vector<DailyBar> days;

    BarSeries series() const { return {days.data(), int(days.size())}; }

    // Adds a bar for `date` (yyyymmdd), which must not be newer than the first bar added.
    TestBars& add(qint32 date, float open, float high, float low, float close, float volume = 0)
    {
        DailyBar bar;
        bar.Date = date;
        bar.Open = open;
        bar.High = high;
        bar.Low = low;
        bar.Close = close;
        bar.Volume = volume;
        bar.Status = 1;
        const int index = days.empty() ? 0 : JulianWeekdayOffset(date, days.front().Date);
        if (index >= int(days.size()))
            days.resize(index + 1);
        days[index] = bar;
        return *this;
    }

    // `count` bars on consecutive weekdays back from `newest`, the price rising by `step`
    // towards the newest bar, each with the given volume.
    static TestBars run(qint32 newest, int count, float price, float step, float volume = 1000)
    {
        TestBars bars;
        for (int i = 0; i < count; ++i) {
            const float p = price - step * i;
            bars.add(AddWeekdaysJulian(newest, -i), p, p + 1, p - 1, p + 0.5f, volume);
        }
        return bars;
    }
};
