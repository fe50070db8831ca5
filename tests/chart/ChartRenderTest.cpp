#include "ChartColours.h"
#include "ChartFixture.h"
#include "NetChart.h"
#include "SurfaceWidget.h"
#include "VolumePane.h"

#include <QtTest/QTest>

namespace {

constexpr qint32 kFriday = 20040312;

class ChartRender : public ChartEnvironment {
protected:
    void SetUp() override
    {
        ChartEnvironment::SetUp();
        // Twenty-nine weekdays up to Friday 12 March 2004, Tuesday the 9th a holiday.
        std::vector<DailyBar> bars;
        for (int k = 29; k >= 4; --k)
            bars.push_back(bar(AddWeekdaysJulian(kFriday, -k), 20, 22, 19, 21, 1000));
        bars.push_back(bar(20040310, 21, 22, 20, 21, 1000));    // open = close
        bars.push_back(bar(20040311, 23, 25, 19, 20, 1200));    // down
        bars.push_back(bar(kFriday, 20, 24, 18, 23, 5000));     // up, on a volume spike
        writePriceFile(QStringLiteral("TEST"), bars);

        QuoteRecord q;
        q.Ticker = QStringLiteral("TEST");
        q.CompanyName = QStringLiteral("Test Corp");
        q.Open = 20, q.High = 24, q.Low = 18, q.LastPrice = 23;
        q.PointChange = 3, q.PercentChange = -1.5f;
        q.Bid = 23.4f, q.ECN = 23.5f, q.Ask = 23.6f;
        storeQuote(q);

        m_chart = std::make_unique<NetChart>();
        m_chart->resize(600, 400);
        m_chart->show();
        QCoreApplication::processEvents();
        m_chart->StudyAdd();
        m_chart->DrawChart(QStringLiteral("TEST"));
    }
    void TearDown() override
    {
        m_chart.reset();
        ChartEnvironment::TearDown();
    }

    ColorValue pixel(int x, int y) const { return m_chart->picChart()->surface().point(x, y); }
    const ChartView& view() const { return m_chart->model().view; }
    int y(double price) const { return priceY(m_chart->model().scale, price); }
    int x(int i) const { return barX(view(), i); }
    void zoomTo(int spacing)
    {
        while (view().barSpacing < spacing)
            m_chart->SpacingBigger();
        while (view().barSpacing > spacing)
            m_chart->SpacingSmaller();
        ASSERT_EQ(view().barSpacing, spacing);
    }

    std::unique_ptr<NetChart> m_chart;
};

} // namespace

TEST_F(ChartRender, LayoutOfALoadedChart)
{
    const ChartView& v = view();
    EXPECT_EQ(v.width, 600);
    EXPECT_EQ(v.plotRight, 600 - 10 * v.charWidth + 1);
    EXPECT_EQ(v.studyCount, 1);
    // Today is Monday the 15th: the newest bar, Friday, is one slot left of the right edge.
    EXPECT_EQ(v.newestVisible, -1);
    EXPECT_EQ(x(-1), rightSlotX(v));
    EXPECT_EQ(m_chart->ChartDate(), kFriday);
    EXPECT_EQ(m_chart->windowTitle(), QStringLiteral("TEST : Test Corp : daily chart"));
    EXPECT_EQ(m_chart->model().bars.size(), 30);  // the holiday keeps its slot
}

TEST_F(ChartRender, CandlesShowTheirBodies)
{
    m_chart->SetChartType(1);
    zoomTo(12);  // half body width 4
    const ColorValue white = ChartColour::kWhite, red = ChartColour::kRed;

    // Up (20 -> 23): a white body.
    EXPECT_EQ(pixel(x(0) - 3, (y(20) + y(23)) / 2), white);
    EXPECT_EQ(pixel(x(0) + 3, y(20) - 1), white);
    // Down (23 -> 20): a red body in a white outline, over the wick.
    EXPECT_EQ(pixel(x(1) - 2, (y(20) + y(23)) / 2), red);
    EXPECT_EQ(pixel(x(1), (y(20) + y(23)) / 2), red);
    EXPECT_EQ(pixel(x(1) - 4, (y(20) + y(23)) / 2), white);
    // The wick reaches the high and the low.
    EXPECT_EQ(pixel(x(1), y(25)), white);
    EXPECT_EQ(pixel(x(1), y(19.2)), white);
    // Open = close: a down candle of no height, its white outline only.
    EXPECT_EQ(pixel(x(2) - 4, y(21)), white);
    EXPECT_EQ(pixel(x(2) + 4, y(21)), white);
    EXPECT_NE(pixel(x(2) - 4, y(21) - 1), white);
    // The holiday has no candle.
    EXPECT_NE(pixel(x(3), y(21)), white);
}

TEST_F(ChartRender, BarsHaveOpenAndCloseTicks)
{
    struct Row {
        int spacing;
        ColorValue colour;
        int tick;
    };
    const Row rows[] = {{4, ChartColour::kWhite, 1}, {12, ChartColour::kLightGrey, 4}, {27, ChartColour::kLightGrey, 9}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.spacing);
        m_chart->SetChartType(0);
        zoomTo(row.spacing);
        // Bar 1: open 23 left, close 20 right, from 25 down to 19.
        EXPECT_EQ(pixel(x(1) - row.tick, y(23)), row.colour);
        EXPECT_EQ(pixel(x(1) + row.tick + 1, y(20)), row.colour);
        EXPECT_EQ(pixel(x(1), y(24)), row.colour);
        EXPECT_NE(pixel(x(1) - row.tick, y(20)), row.colour);
    }
}

TEST_F(ChartRender, LineJoinsTheCloses)
{
    m_chart->SetChartType(2);
    zoomTo(8);
    for (int i : {1, 2, 4, 10})
        EXPECT_EQ(pixel(x(i), y(m_chart->model().bars[i].Close)), ChartColour::kWhite) << i;
    // No bars are drawn in a close-line chart: bar 1's open tick is missing.
    EXPECT_NE(pixel(x(1) - 3, y(23)), ChartColour::kWhite);
}

TEST_F(ChartRender, PriceLabelAndTodaysMarks)
{
    zoomTo(12);
    const ChartView& v = view();
    // The label of the latest price 23.50 in a navy box framed in blue.
    const int yp = y(23.5);
    EXPECT_EQ(pixel(v.plotRight + 1, yp), qbColor(PaletteIndex::Blue));
    EXPECT_EQ(pixel(v.width - 3, yp), qbColor(PaletteIndex::Navy));

    // Bid, ask and the latest price right of the newest bar.
    const int x0 = roundEven(x(0) + 0.6 * 12);
    const int from = roundEven(x0 + 0.2 * 12);
    EXPECT_EQ(pixel(from, y(23.4)), qbColor(PaletteIndex::Red));
    EXPECT_EQ(pixel(from, y(23.6)), qbColor(PaletteIndex::Lime));
    EXPECT_EQ(pixel(x0 + 2, y(23.5)), qbColor(PaletteIndex::Aqua));

    // Scrolled back to Thursday the marks are gone and the label shows that close.
    m_chart->ResetOffset(false);
    for (int k = 0; k < 3; ++k)
        QTest::keyClick(m_chart->picChart(), Qt::Key_Left);
    ASSERT_EQ(v.newestVisible, 2);
    m_chart->SetChartType(0);
    EXPECT_NE(pixel(from, y(23.4)), qbColor(PaletteIndex::Red));
    EXPECT_EQ(pixel(v.width - 3, y(21)), qbColor(PaletteIndex::Navy));
}

TEST_F(ChartRender, VolumeBarsAndSpike)
{
    zoomTo(12);
    const ChartModel& m = m_chart->model();
    const BarSeries bars = m.series();
    VolumeStats stats = m.volume;
    VolumeWalk walk(m.view, stats, bars);
    const VolumeBar spike = walk.step(0);
    ASSERT_TRUE(spike.spike);
    ASSERT_TRUE(spike.rising);
    // White up to the spike level, green two pixels wide above it.
    EXPECT_EQ(pixel(x(0), spike.bottom - 1), ChartColour::kWhite);
    EXPECT_EQ(pixel(x(0), spike.top + 1), ChartColour::kGreen);
    EXPECT_EQ(pixel(x(0) + 1, spike.top + 1), ChartColour::kGreen);
    EXPECT_NE(pixel(x(0) + 1, spike.spikeTop + 2), ChartColour::kGreen);
    // An ordinary day: white only.
    const VolumeBar plain = walk.step(1);
    EXPECT_FALSE(plain.spike);
    EXPECT_EQ(pixel(x(1), plain.top + 1), ChartColour::kWhite);

    // Without the volume pane nothing is drawn there.
    m_chart->StudyRemove();
    EXPECT_NE(pixel(x(0), spike.top + 1), ChartColour::kGreen);
    EXPECT_NE(pixel(x(1), plain.top + 1), ChartColour::kWhite);
}

TEST_F(ChartRender, MonthMarkOnTheFirstTradingDay)
{
    zoomTo(12);
    const ChartView& v = view();
    // Monday 1 March is ten weekdays before the right edge.
    const int xMarch = rightSlotX(v) - 10 * 12;
    EXPECT_EQ(pixel(xMarch, v.height - 3), ChartColour::kGrid);
    EXPECT_NE(pixel(xMarch + 12, v.height - 3), ChartColour::kGrid);
    EXPECT_NE(pixel(xMarch - 12, v.height - 3), ChartColour::kGrid);
}

TEST_F(ChartRender, GridFollowsTheSetting)
{
    const ChartView& v = view();
    auto blackOnRow = [&](int row) {
        int n = 0;
        for (int px = 0; px < 150; ++px)
            n += pixel(px, row) == ChartColour::kGrid;
        return n;
    };
    // A price level with a label: 21 is a multiple of any step this scale uses.
    const int row = y(21);
    ASSERT_LT(row, v.paneEdge[1]);
    EXPECT_GT(blackOnRow(row), 60);
    m_chart->SetGrid(false);
    EXPECT_LT(blackOnRow(row), 5);
    m_chart->SetGrid(true);
    EXPECT_GT(blackOnRow(row), 60);
}
