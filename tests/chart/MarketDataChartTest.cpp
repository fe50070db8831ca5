#include "ChartColours.h"
#include "ChartFixture.h"
#include "NetChart.h"
#include "SurfaceWidget.h"

#include <algorithm>

namespace {

// Twenty years of one stock's daily bars, holidays and all, charted the day after its
// last bar.
class MarketDataChart : public ChartEnvironment {
protected:
    void SetUp() override
    {
        ChartEnvironment::SetUp();
        m_clock.setUtc(QDateTime(QDate(2015, 1, 2), QTime(18, 0), Qt::UTC));
        m_bars = marketBars(QStringLiteral("ORCL.csv"));
        ASSERT_GT(m_bars.size(), 5000u);
        writePriceFile(QStringLiteral("ORCL"), m_bars);

        m_chart = std::make_unique<NetChart>();
        m_chart->resize(1200, 800);
        m_chart->show();
        QCoreApplication::processEvents();
        m_chart->StudyAdd();
        m_chart->DrawChart(QStringLiteral("ORCL"));
    }
    void TearDown() override
    {
        m_chart.reset();
        ChartEnvironment::TearDown();
    }

    ColorValue pixel(int x, int y) const { return m_chart->picChart()->surface().point(x, y); }

    std::vector<DailyBar> m_bars;
    std::unique_ptr<NetChart> m_chart;
};

} // namespace

TEST_F(MarketDataChart, LoadsEveryWeekdaySlot)
{
    const ChartModel& m = m_chart->model();
    // 1995-01-03 to 2014-12-31 spans 5217 weekdays; the holidays are empty slots.
    EXPECT_EQ(m.bars.size(), 5217);
    EXPECT_EQ(m.bars.front().Date, 20141231);
    EXPECT_EQ(m.bars.back().Date, 19950103);
    EXPECT_EQ(std::count_if(m.bars.begin(), m.bars.end(), [](const DailyBar& b) { return !b.isEmpty(); }),
              qsizetype(m_bars.size()));
    EXPECT_TRUE(m.bars[m.bars.size() - 1 - SlotOffset(19950103, 19950529)].isEmpty());  // Memorial Day
}

TEST_F(MarketDataChart, EveryStyleAtEveryZoomStepScrolledBackYears)
{
    const int spacings[] = {1, 2, 3, 4, 5, 8, 12, 18, 27, 40};
    const int offsets[] = {0, -260, -2600, -5000};
    for (int type = 0; type < 3; ++type) {
        m_chart->SetChartType(type);
        for (int spacing : spacings) {
            while (m_chart->model().view.barSpacing < spacing)
                m_chart->SpacingBigger();
            while (m_chart->model().view.barSpacing > spacing)
                m_chart->SpacingSmaller();
            for (int offset : offsets) {
                SCOPED_TRACE(testing::Message() << "type " << type << " spacing " << spacing << " offset " << offset);
                m_chart->scrollTo(offset);

                const ChartModel& m = m_chart->model();
                const ChartView& v = m.view;
                const BarSeries bars = m.series();
                ASSERT_EQ(v.barSpacing, spacing);
                // The newest bar drawn sets the chart's date.
                int newestDrawn = std::max(v.newestVisible, 0);
                while (newestDrawn < bars.count && bars.at(newestDrawn).isEmpty())
                    ++newestDrawn;
                ASSERT_LT(newestDrawn, bars.count);
                EXPECT_EQ(m_chart->ChartDate(), bars.at(newestDrawn).Date);

                // Every visible bar but the newest stands at its slot, between its high and low.
                int probed = 0;
                for (int i = newestDrawn + 1; i < v.firstHidden && i < bars.count; ++i) {
                    const DailyBar& b = bars.at(i);
                    const int x = barX(v, i);
                    if (b.isEmpty() || x < 2)
                        continue;
                    const int yHigh = priceY(m.scale, b.High);
                    const int yLow = priceY(m.scale, b.Low);
                    const int y = type == 2 ? priceY(m.scale, b.Close) : (yHigh + yLow) / 2;
                    const ColorValue c = pixel(x, y);
                    const bool drawn = c == ChartColour::kWhite || c == ChartColour::kLightGrey
                        || (type == 1 && c == ChartColour::kRed);
                    EXPECT_TRUE(drawn) << "bar " << i << " at " << x << "," << y << " colour " << std::hex << c;
                    if (!drawn || ++probed >= 40)
                        break;
                }
                EXPECT_GT(probed, 0);
            }
        }
    }
}
