#include "MarketTime.h"
#include "MarketView.h"
#include "QuotedTestSupport.h"
#include "Replay.h"

#include <gtest/gtest.h>

namespace {

QDateTime utc(int y, int mo, int d, int h, int mi) { return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC); }

TEST(MarketTime, FollowsNewYorkDaylightSavingTime)
{
    const struct {
        const char* name;
        QDateTime utc;
        bool daylight;
    } cases[] = {
        {"2026 before the March switch", utc(2026, 3, 8, 6, 59), false},
        {"2026 at the March switch", utc(2026, 3, 8, 7, 0), true},
        {"2026 before the November switch", utc(2026, 11, 1, 5, 59), true},
        {"2026 at the November switch", utc(2026, 11, 1, 6, 0), false},
        {"2004 first Sunday of April", utc(2004, 4, 4, 7, 0), true},
        {"2004 the day before", utc(2004, 4, 3, 12, 0), false},
        {"2004 last Sunday of October", utc(2004, 10, 31, 6, 0), false},
        {"2004 the day before that", utc(2004, 10, 30, 12, 0), true},
        {"midsummer", utc(2015, 7, 1, 12, 0), true},
        {"midwinter", utc(2015, 1, 15, 12, 0), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isNewYorkDaylightTime(c.utc), c.daylight);
    }

    const MarketTime summer = newYorkTime(utc(2015, 7, 1, 13, 30));
    EXPECT_EQ(summer.date, QDate(2015, 7, 1));
    EXPECT_EQ(summer.seconds, kSessionOpen);
    const MarketTime lateWinter = newYorkTime(utc(2015, 1, 16, 2, 0));
    EXPECT_EQ(lateWinter.date, QDate(2015, 1, 15)) << "9 pm the evening before in New York";
    EXPECT_EQ(lateWinter.time(), QTime(21, 0));
}

// Every day of a fortnight: the history ends on the last weekday before today, every
// row keeps its weekday, and on weekdays today's bar is the row that landed on today.
TEST(Replay, EndsHistoryOnTheLastWeekdayBeforeTodayKeepingWeekdays)
{
    const QVector<PriceRow> rows = weekdayRows(QDate(2014, 11, 3), 43);   // ends Wed 2014-12-31
    for (QDate today(2026, 12, 7); today <= QDate(2026, 12, 20); today = today.addDays(1)) {
        SCOPED_TRACE(today.toString(Qt::ISODate).toStdString());
        const ReplayPlan plan = planReplay(rows, today);
        EXPECT_EQ(plan.shiftDays % 7, 0);
        ASSERT_GT(plan.historyEnd, 0);
        QDate expectedLast = today.addDays(-1);
        while (expectedLast.dayOfWeek() > 5)
            expectedLast = expectedLast.addDays(-1);
        EXPECT_EQ(QDate::fromJulianDay(rows[plan.historyEnd - 1].day + plan.shiftDays), expectedLast);
        if (today.dayOfWeek() <= 5) {
            ASSERT_GE(plan.todayRow, 0);
            EXPECT_EQ(QDate::fromJulianDay(rows[plan.todayRow].day + plan.shiftDays), today);
        } else {
            EXPECT_EQ(plan.todayRow, -1);
        }
        EXPECT_LE(rows.last().day + plan.shiftDays - today.toJulianDay(), 6)
            << "moved by the fewest weeks: at most the last week of data goes unserved";
    }
}

TEST(Replay, MovesPastHolidaysOfTheData)
{
    QVector<PriceRow> rows = weekdayRows(QDate(2014, 11, 3), 43);
    // Thursday 25 December 2014 has no row: a Friday today would see it yesterday.
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [](const PriceRow& r) { return r.date() == QDate(2014, 12, 25); }),
               rows.end());
    const QDate friday(2026, 12, 11);
    const ReplayPlan plan = planReplay(rows, friday);
    EXPECT_EQ(plan.shiftDays % 7, 0);
    EXPECT_EQ(QDate::fromJulianDay(rows[plan.historyEnd - 1].day + plan.shiftDays), QDate(2026, 12, 10));
    EXPECT_EQ(QDate::fromJulianDay(rows[plan.todayRow].day + plan.shiftDays), friday);
    EXPECT_LT(rows[plan.todayRow].date(), QDate(2014, 12, 25)) << "a week earlier in the data";
}

// The sample data has holidays of its own years: replayed on any day of a quarter,
// every symbol still ends on the last weekday before today and trades today.
TEST(Replay, SampleDataLooksCurrentOnEveryDay)
{
    MarketFolder market;
    ASSERT_TRUE(market.load(QStringLiteral(TARNBECK_TEST_MARKET_DIR)));
    for (const QString& symbol : market.symbols()) {
        SCOPED_TRACE(symbol.toStdString());
        const QVector<PriceRow>& rows = market.find(symbol)->rows;
        for (QDate today(2026, 10, 1); today <= QDate(2026, 12, 31); today = today.addDays(1)) {
            SCOPED_TRACE(today.toString(Qt::ISODate).toStdString());
            const ReplayPlan plan = planReplay(rows, today);
            ASSERT_EQ(plan.shiftDays % 7, 0);
            ASSERT_GT(plan.historyEnd, 200);
            QDate yesterday = today.addDays(-1);
            while (yesterday.dayOfWeek() > 5)
                yesterday = yesterday.addDays(-1);
            ASSERT_EQ(rows[plan.historyEnd - 1].day + plan.shiftDays, yesterday.toJulianDay());
            if (today.dayOfWeek() <= 5)
                ASSERT_EQ(rows[plan.todayRow].day + plan.shiftDays, today.toJulianDay());
        }
    }
}

TEST(Replay, IntradayPriceStaysInTheDaysRangeAndEndsAtTheClose)
{
    const struct {
        const char* name;
        PriceRow day;
    } cases[] = {
        {"up day", {0, 10.00, 11.00, 9.50, 10.80, 100000, 10.80}},
        {"down day", {0, 10.00, 10.40, 8.90, 9.10, 100000, 9.10}},
        {"flat day", {0, 10.00, 10.00, 10.00, 10.00, 5000, 10.00}},
        {"open above the stated high", {0, 12.00, 11.00, 9.00, 10.00, 700, 10.00}},
        {"sub-dollar", {0, 0.5521, 0.6406, 0.5100, 0.6100, 12345678, 0.61}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PriceRow& d = c.day;
        const double high = std::max({d.high, d.open, d.close});
        const double low = std::min({d.low, d.open, d.close});

        const IntradayBar before = intradayBar(d, kSessionOpen - 60);
        EXPECT_EQ(before.last, d.open);
        EXPECT_EQ(before.volume, 0);

        IntradayBar previous = intradayBar(d, kSessionOpen);
        int moves = 0;
        for (int s = kSessionOpen + 60; s < kSessionClose; s += 60) {
            const IntradayBar bar = intradayBar(d, s);
            EXPECT_EQ(bar.open, d.open);
            EXPECT_GE(bar.last, low);
            EXPECT_LE(bar.last, high);
            EXPECT_LE(bar.low, bar.last);
            EXPECT_GE(bar.high, bar.last);
            EXPECT_LE(bar.high, high);
            EXPECT_GE(bar.low, low);
            EXPECT_GE(bar.high, previous.high) << "the running high never falls";
            EXPECT_LE(bar.low, previous.low) << "the running low never rises";
            EXPECT_GE(bar.volume, previous.volume);
            EXPECT_LE(bar.volume, d.volume);
            moves += bar.last != previous.last;
            previous = bar;
        }
        if (high > low)
            EXPECT_GT(moves, 100) << "a board refreshed every minute sees the price move";

        const IntradayBar closed = intradayBar(d, kSessionClose);
        EXPECT_EQ(closed.last, d.close);
        EXPECT_EQ(closed.high, high);
        EXPECT_EQ(closed.low, low);
        EXPECT_EQ(closed.volume, d.volume);
    }
}

// A symbol seen by the service on one Friday: the quote before the open, during the
// session and after the close, and what the history holds at each moment.
TEST(SymbolView, QuoteFollowsTheSessionOfToday)
{
    SymbolHistory h;
    h.symbol = QStringLiteral("AAA");
    h.rows = weekdayRows(QDate(2014, 11, 3), 43);
    const QDate friday(2026, 12, 11);
    const ReplayPlan plan = planReplay(h.rows, friday);
    const PriceRow& todayRow = h.rows[plan.todayRow];
    const PriceRow& yesterdayRow = h.rows[plan.historyEnd - 1];

    const struct {
        const char* name;
        int seconds;
        QDate date;
        QTime time;
        bool todayInHistory;
    } cases[] = {
        {"before the open", 9 * 3600, QDate(2026, 12, 10), QTime(16, 0), false},
        {"mid-session", 12 * 3600 + 47 * 60 + 31, friday, QTime(12, 47), false},
        {"at the close", kSessionClose, friday, QTime(16, 0), true},
        {"evening", 22 * 3600, friday, QTime(16, 0), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SymbolView view(h, true, MarketTime{friday, c.seconds});
        const QuoteSnapshot q = view.quote();
        ASSERT_TRUE(q.traded);
        EXPECT_EQ(q.date, c.date);
        EXPECT_EQ(q.time, c.time);
        const QVector<PriceRow> week = view.rowsBetween(friday.addDays(-6), friday.addDays(10));
        ASSERT_FALSE(week.isEmpty());
        EXPECT_EQ(week.first().date(), c.todayInHistory ? friday : QDate(2026, 12, 10));
        EXPECT_EQ(week.size(), c.todayInHistory ? 5 : 4) << "nothing after today is served";
        if (c.date == friday) {
            EXPECT_DOUBLE_EQ(q.previousClose, yesterdayRow.close);
            EXPECT_GE(q.last, todayRow.low);
            EXPECT_LE(q.last, todayRow.high);
        } else {
            EXPECT_DOUBLE_EQ(q.last, yesterdayRow.close);
        }
    }
}

TEST(SymbolView, WithoutReplayServesTheDataAsItStands)
{
    SymbolHistory h;
    h.symbol = QStringLiteral("AAA");
    h.rows = weekdayRows(QDate(2004, 3, 1), 10);
    h.info.marketCapMillions = 190.0;
    const SymbolView view(h, false, MarketTime{QDate(2026, 12, 11), 12 * 3600});
    const QuoteSnapshot q = view.quote();
    EXPECT_EQ(q.date, QDate(2004, 3, 12));
    EXPECT_EQ(q.time, QTime(16, 0));
    EXPECT_DOUBLE_EQ(q.last, 19);
    EXPECT_DOUBLE_EQ(q.previousClose, 18);
    EXPECT_DOUBLE_EQ(q.yearHigh, 20);
    EXPECT_DOUBLE_EQ(q.yearLow, 8.5);
    EXPECT_EQ(q.averageVolume, 5500);
    EXPECT_DOUBLE_EQ(q.sharesOutstanding, 10000000);
    const QVector<PriceRow> rows = view.rowsBetween(QDate(2004, 3, 4), QDate(2004, 3, 9));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows.first().date(), QDate(2004, 3, 9));
    EXPECT_EQ(rows.last().date(), QDate(2004, 3, 4));
}

} // namespace
