#include "ChartTestBars.h"
#include "VolumePane.h"

#include <gtest/gtest.h>

namespace {

constexpr qint32 kFriday = 20040312;

// The volume pane from y 539 to 770: 231 pixels, bars up to 208, the label up to 196.
ChartView volumeView()
{
    ChartView view;
    view.studyCount = 1;
    view.textHeight = 13;
    view.paneEdge[1] = 539;
    view.paneEdge[2] = 770;
    return view;
}

} // namespace

TEST(VolumePane, LabelSitsAtTheRightEdgeVolume)
{
    struct Row {
        const char* name;
        int studies;
        int newestVisible;
        float volume;     // of the bar at the right edge
        double volumeMax;
        bool shown;
        int top, bottom;
        const char* text;
        double raisedMax;
    };
    const Row rows[] = {
        // 196 * 1,234,567 / 2,469,134 = 98 pixels up; the box 0.7 text heights about it.
        {"half the highest volume", 1, 2, 1234567, 2469134, true, 663, 681, " 1,234,567", 2469134},
        {"past the newest bar the newest volume", 1, -3, 1234567, 2469134, true, 663, 681, " 1,234,567", 2469134},
        {"a small maximum is raised to 100", 1, 0, 50, 60, true, 663, 681, " 50", 100},
        {"no volume at the right edge", 1, 2, 0, 2469134, false, 0, 0, "", 2469134},
        {"no volume pane", 0, 2, 1234567, 2469134, false, 0, 0, "", 2469134},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestBars bars = TestBars::run(kFriday, 5, 20, 1, 10);
        bars.days[std::max(row.newestVisible, 0)].Volume = row.volume;
        ChartView view = volumeView();
        view.studyCount = row.studies;
        view.newestVisible = row.newestVisible;
        VolumeStats volume;
        volume.volumeMax = Fixed4::fromDouble(row.volumeMax);
        VolumeLabel label;
        ASSERT_EQ(volumeLabel(view, volume, bars.series(), label), row.shown);
        if (row.shown) {
            EXPECT_EQ(label.top, row.top);
            EXPECT_EQ(label.bottom, row.bottom);
            EXPECT_EQ(label.text, QString::fromLatin1(row.text));
        }
        EXPECT_DOUBLE_EQ(volume.volumeMax.toDouble(), row.raisedMax);
    }
}

TEST(VolumePane, SpikesStandAboveTheThirtyDayAverage)
{
    // Sixty bars trading 1000 a day, closes rising towards the newest bar.
    TestBars bars = TestBars::run(kFriday, 60, 50, 1, 1000);
    bars.days[0].Volume = 3000;   // a spike on a rising close
    bars.days[1].Volume = 1800;
    bars.days[30].Volume = 0;     // the slide passes over it to bar 31
    bars.days[31].Volume = 5000;
    bars.days[2].Volume = 2100;
    bars.days[2].Close = bars.days[3].Close - 1;  // a spike on a falling close

    ChartView view = volumeView();
    view.plotRight = 1000;
    view.barSpacing = 10;
    view.rightMargin = rightMarginOf(view);
    PriceScale scale;
    VolumeStats volume;
    float ecn = 0;
    CalcHighAndLow(view, scale, volume, bars.series(), ecn, kFriday);
    ASSERT_DOUBLE_EQ(volume.volumeSum, 3000 + 1800 + 2100 + 26 * 1000);
    ASSERT_DOUBLE_EQ(volume.volumeMax.toDouble(), 5000);

    VolumeWalk walk(view, volume, bars.series());
    // Bar 0: 208 * 3000 / 5000 = 124.8 pixels; 1.6 times the average of 32900 / 30
    // puts the spike level at 1754.7, 73.0 pixels up.
    VolumeBar b0 = walk.step(0);
    EXPECT_EQ(b0.bottom, 769);
    EXPECT_EQ(b0.top, 645);
    EXPECT_TRUE(b0.spike);
    EXPECT_EQ(b0.spikeTop, 697);
    EXPECT_TRUE(b0.rising);

    // The sum loses 3000 and gains bar 31's 5000 (bar 30 traded nothing): 34900, level
    // 1861.3. Bar 1's 1800 is no spike.
    VolumeBar b1 = walk.step(1);
    EXPECT_EQ(b1.top, 695);
    EXPECT_FALSE(b1.spike);

    // The sum loses 1800 and gains bar 31's 5000: 38100, level 2032, 84.5 pixels up.
    // Bar 2's 2100 is a spike, and its close fell.
    VolumeBar b2 = walk.step(2);
    EXPECT_TRUE(b2.spike);
    EXPECT_FALSE(b2.rising);
    EXPECT_EQ(b2.spikeTop, 685);
}
