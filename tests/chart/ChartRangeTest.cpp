#include "ChartRange.h"
#include "ChartTestBars.h"

#include <gtest/gtest.h>

namespace {

// Nine days: the right slot at x 86, then every 10 pixels leftwards down to 6.
ChartView nineSlotView()
{
    ChartView view;
    view.plotRight = 101;
    view.barSpacing = 10;
    view.rightMargin = rightMarginOf(view);
    return view;
}

constexpr qint32 kFriday = 20040312;

} // namespace

TEST(ChartRange, RightEdgeMovesOffTheWeekendThenByTheOffset)
{
    struct Row {
        const char* name;
        qint32 today;
        int offset;
        qint32 edge;
    };
    const Row rows[] = {
        {"Saturday is the next Monday", 20040313, 0, 20040315},
        {"Sunday is the Friday before", 20040314, 0, 20040312},
        {"Saturday one back", 20040313, -1, 20040312},
        {"Sunday one on", 20040314, 1, 20040315},
        {"Monday one on", 20040315, 1, 20040316},
        {"Wednesday six back", 20040317, -6, 20040309},
        {"a year and a day back", 20040315, -261, 20030314},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(rightEdgeDate(row.today, row.offset), row.edge);
    }
}

TEST(ChartRange, CalcHighAndLowLaysOutTheVisibleSlots)
{
    // Bar i (i weekdays before Friday 12 March 2004) trades from 49 - i to 51 - i.
    const TestBars fixture = TestBars::run(kFriday, 20, 50, 1);
    struct Row {
        const char* name;
        qint32 rightEdge;
        float ecn;
        int newestVisible;
        double high, low;  // after head room
    };
    const Row rows[] = {
        // Bars 0..7 and the latest price 52.5: 41.475 .. 53.55.
        {"right edge past the newest bar", 20040315, 52.5f, -1, 53.55, 41.475},
        {"right edge on the newest bar", kFriday, 52.5f, 0, 53.65, 40.425},
        // Bars 5..13 only: 36 .. 46 plus head room.
        {"a week back", 20040305, 52.5f, 5, 47, 35.5},
        // Slots 15..23 hold bars 15..19: 30 .. 36.
        {"past the oldest bar", 20040220, 52.5f, 15, 36.6, 29.7},
        {"far past the oldest bar", 20030312, 52.5f, 262, 1.1, -0.05},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ChartView view = nineSlotView();
        PriceScale scale;
        VolumeStats volume;
        float ecn = row.ecn;
        CalcHighAndLow(view, scale, volume, fixture.series(), ecn, row.rightEdge);
        EXPECT_EQ(view.newestVisible, row.newestVisible);
        EXPECT_EQ(view.firstHidden, row.newestVisible + 9);
        EXPECT_EQ(view.xOrigin, -4);
        EXPECT_EQ(barX(view, view.newestVisible), 86);
        EXPECT_EQ(barX(view, view.firstHidden), -4);
        EXPECT_DOUBLE_EQ(scale.high.toDouble(), row.high);
        EXPECT_DOUBLE_EQ(scale.low.toDouble(), row.low);
    }
}

TEST(ChartRange, LatestPriceDefaultsToTheNewestClose)
{
    const TestBars fixture = TestBars::run(kFriday, 20, 50, 1);
    ChartView view = nineSlotView();
    PriceScale scale;
    VolumeStats volume;
    float ecn = 0;
    CalcHighAndLow(view, scale, volume, fixture.series(), ecn, kFriday);
    EXPECT_FLOAT_EQ(ecn, 50.5f);
}

TEST(ChartRange, ScaleWithoutBars)
{
    struct Row {
        const char* name;
        float ecn;
        double high, low;  // after fitScale
    };
    const Row rows[] = {
        {"no prices: 0 to 1 with head room", 0, 1.1, -0.05},
        {"only a latest price: flat range widened", 8, 12, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ChartView view = nineSlotView();
        view.paneEdge[1] = 300;
        PriceScale scale;
        VolumeStats volume;
        float ecn = row.ecn;
        CalcHighAndLow(view, scale, volume, BarSeries{}, ecn, kFriday);
        fitScale(view, scale);
        EXPECT_DOUBLE_EQ(scale.high.toDouble(), row.high);
        EXPECT_DOUBLE_EQ(scale.low.toDouble(), row.low);
        EXPECT_GT(scale.pixelsPerUnit, 0);
        EXPECT_EQ(view.newestVisible, 0);
    }
}

TEST(ChartRange, EmptySlotsAndMissingLowsStayOutOfTheRange)
{
    TestBars bars;
    bars.add(kFriday, 20, 21, 19, 20.5f, 500)
        .add(20040311, 22, 23, 0, 22.5f, 700)   // no low
        .add(20040308, 18, 19, 17, 18.5f, 300);  // 9 and 10 March are empty
    ASSERT_EQ(bars.days.size(), 5u);
    ChartView view = nineSlotView();
    PriceScale scale;
    VolumeStats volume;
    float ecn = 0;
    CalcHighAndLow(view, scale, volume, bars.series(), ecn, kFriday);
    // 17 .. 23 plus head room: 16.7 .. 23.6.
    EXPECT_DOUBLE_EQ(scale.high.toDouble(), 23.6);
    EXPECT_DOUBLE_EQ(scale.low.toDouble(), 16.7);
    EXPECT_DOUBLE_EQ(volume.volumeMax.toDouble(), 700);
    EXPECT_DOUBLE_EQ(volume.volumeSum, 1500);
}

TEST(ChartRange, VolumeSumTakesTheFirst29VolumesFromTheRightEdge)
{
    // Volumes 100, 200, ... 4000 from the newest bar back; bar 3 traded nothing.
    TestBars bars = TestBars::run(kFriday, 40, 50, 0.1f);
    for (int i = 0; i < 40; ++i)
        bars.days[i].Volume = 100.0f * (i + 1);
    bars.days[3].Volume = 0;
    ChartView view;
    view.plotRight = 1000;
    view.barSpacing = 10;
    view.rightMargin = rightMarginOf(view);
    PriceScale scale;
    VolumeStats volume;
    float ecn = 0;

    CalcHighAndLow(view, scale, volume, bars.series(), ecn, kFriday);
    EXPECT_DOUBLE_EQ(volume.volumeMax.toDouble(), 4000);
    // Bars 0..29 without bar 3: 100 * (1 + ... + 30) - 400.
    EXPECT_DOUBLE_EQ(volume.volumeSum, 46100);

    // Scrolled five weekdays back the sum starts at bar 5.
    CalcHighAndLow(view, scale, volume, bars.series(), ecn, AddWeekdaysJulian(kFriday, -5));
    EXPECT_DOUBLE_EQ(volume.volumeSum, 100.0 * (6 + 34) * 29 / 2);
}

TEST(ChartRange, CurrentPriceAtTheRightEdge)
{
    TestBars bars;
    bars.add(kFriday, 20, 21, 19, 20.5f)
        .add(20040311, 22, 23, 21, 22.5f)
        .add(20040308, 18, 19, 17, 18.5f);
    struct Row {
        const char* name;
        int newestVisible;
        bool shown;
        double price;
    };
    const Row rows[] = {
        {"past the newest bar: the latest price", -3, true, 30.25},
        {"on the newest bar: the latest price", 0, true, 30.25},
        {"on an older bar: its close", 1, true, 22.5},
        {"on a holiday: the close before it", 2, true, 18.5},
        {"before the oldest bar: nothing", 7, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ChartView view;
        view.newestVisible = row.newestVisible;
        double price = 0;
        EXPECT_EQ(currentPrice(view, bars.series(), 30.25f, price), row.shown);
        if (row.shown)
            EXPECT_DOUBLE_EQ(price, row.price);
    }
}
