#include "Dates.h"
#include "StoreTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// 15 March 2004 is a Monday; the week used below runs Mon 15 ... Sun 21.

TEST(Dates, SerialsCountDaysFrom30December1899WithTheTimeAsFraction)
{
    struct Row {
        const char* name;
        QDateTime dateTime;
        DateSerial serial;
    };
    const Row rows[] = {
        {"epoch", QDateTime(QDate(1899, 12, 30), QTime(0, 0)), 0.0},
        {"first day of 1900", QDateTime(QDate(1900, 1, 1), QTime(0, 0)), 2.0},
        {"2000-01-01", QDateTime(QDate(2000, 1, 1), QTime(0, 0)), 36526.0},
        {"noon on a Monday", QDateTime(QDate(2004, 3, 15), QTime(12, 0)), 38061.5},
        {"six in the evening", QDateTime(QDate(2004, 3, 15), QTime(18, 0)), 38061.75},
        {"before the epoch keeps the time positive", QDateTime(QDate(1899, 12, 29), QTime(6, 0)), -1.25},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_DOUBLE_EQ(toDateSerial(row.dateTime), row.serial);
        EXPECT_EQ(fromDateSerial(row.serial), row.dateTime);
    }
    // A time with seconds survives the trip through a double.
    const QDateTime odd(QDate(2004, 10, 31), QTime(23, 59, 59));
    EXPECT_EQ(fromDateSerial(toDateSerial(odd)), odd);
}

TEST(Dates, WeekdayNumbersRunFromSundayToSaturday)
{
    EXPECT_EQ(WeekdayOf(serialOf(2004, 3, 14)), 1);
    EXPECT_EQ(WeekdayOf(serialOf(2004, 3, 15)), 2);
    EXPECT_EQ(WeekdayOf(serialOf(2004, 3, 20)), 7);
    EXPECT_EQ(WeekdayOf(0.0), 7);
    EXPECT_EQ(WeekdayOf(-1.25), 6);
    EXPECT_EQ(WeekdayOf(serialOf(2004, 3, 15) + 0.99), 2);
}

TEST(Dates, JulianConversionsAndRollOver)
{
    struct Row {
        const char* name;
        int julian;
        QDate date;
    };
    const Row rows[] = {
        {"leap day", 20040229, QDate(2004, 2, 29)},
        {"plain day", 20040315, QDate(2004, 3, 15)},
        {"month 13 is January of the next year", 20041301, QDate(2005, 1, 1)},
        {"day 32 is the next month", 20040132, QDate(2004, 2, 1)},
        {"month 0 is December of the year before", 20040010, QDate(2003, 12, 10)},
        {"day 0 is the last day of the month before", 20040300, QDate(2004, 2, 29)},
        {"day 30 of February", 20030230, QDate(2003, 3, 2)},
        {"seven digits cut as text", 2004123, QDate(2004, 12, 3)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fromDateSerial(JulianToDate(row.julian)).date(), row.date);
    }
    EXPECT_EQ(DateToJulian(serialOf(2004, 2, 29)), 20040229);
    EXPECT_EQ(DateToJulian(serialOf(2004, 2, 29) + 0.75), 20040229);
    EXPECT_EQ(DateToJulian(JulianToDate(19991231)), 19991231);

    int y = 0, m = 0, d = 0;
    SplitJulian(20040315, y, m, d);
    EXPECT_EQ(QList<int>({y, m, d}), QList<int>({2004, 3, 15}));
    SplitJulian(0, y, m, d);
    EXPECT_EQ(QList<int>({y, m, d}), QList<int>({0, 0, 0}));
    // No year 0: the empty date converts to the serial 0 rather than to a garbage date.
    EXPECT_EQ(JulianToDate(0), 0.0);
    // Serials outside the calendar give no date instead of undefined arithmetic.
    for (double wild : {std::nan(""), 1e300, -1e300, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(DateToJulian(wild), 0);
        EXPECT_FALSE(fromDateSerial(wild).isValid());
    }
}

namespace {

// Weekdays in the closed range [from, to], counted day by day.
int weekdaysIn(qint64 from, qint64 to)
{
    int n = 0;
    for (qint64 d = from; d <= to; ++d)
        n += WeekdayOf(double(d)) != 1 && WeekdayOf(double(d)) != 7;
    return n;
}

// Going forward a weekend start counts from the next Monday and a weekend end as the
// Friday before; going back the other way round.
int referenceWeekdaysBetween(qint64 d1, qint64 d2)
{
    if (d1 == d2)
        return 0;
    if (d1 < d2)
        return weekdaysIn(d1, d2) - 1;
    return -(weekdaysIn(d2, d1) - 1);
}

} // namespace

TEST(Dates, WeekdaysBetweenExamples)
{
    struct Row {
        const char* name;
        DateSerial d1, d2;
        int expected;
    };
    const Row rows[] = {
        {"Friday to next Monday", serialOf(2004, 3, 19), serialOf(2004, 3, 22), 1},
        {"Monday to Friday", serialOf(2004, 3, 15), serialOf(2004, 3, 19), 4},
        {"Monday to previous Friday", serialOf(2004, 3, 15), serialOf(2004, 3, 12), -1},
        {"Saturday to Monday", serialOf(2004, 3, 20), serialOf(2004, 3, 22), 0},
        {"Friday to Saturday", serialOf(2004, 3, 19), serialOf(2004, 3, 20), 0},
        {"Friday to Sunday", serialOf(2004, 3, 19), serialOf(2004, 3, 21), 0},
        {"one week", serialOf(2004, 3, 15), serialOf(2004, 3, 22), 5},
        {"one week back", serialOf(2004, 3, 22), serialOf(2004, 3, 15), -5},
        {"same day", serialOf(2004, 3, 17), serialOf(2004, 3, 17), 0},
        {"across the new year", serialOf(2004, 12, 31), serialOf(2005, 1, 3), 1},
        {"a whole year to a Saturday", serialOf(2004, 1, 1), serialOf(2005, 1, 1), 261},
        {"times of day are ignored", serialOf(2004, 3, 15) + 0.9, serialOf(2004, 3, 16) + 0.1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(WeekdaysBetween(row.d1, row.d2), row.expected);
    }
    EXPECT_EQ(JulianWeekdayOffset(20040319, 20040322), 1);
    EXPECT_EQ(JulianWeekdayOffset(20041231, 20040101), -261);
}

TEST(Dates, WeekdaysBetweenMatchesADayByDayCount)
{
    const qint64 start = qint64(serialOf(2003, 12, 1));
    for (qint64 d1 = start; d1 < start + 45; ++d1) {
        for (qint64 d2 = start; d2 < start + 45; ++d2) {
            SCOPED_TRACE(QStringLiteral("%1 -> %2").arg(d1).arg(d2).toStdString());
            ASSERT_EQ(WeekdaysBetween(double(d1), double(d2)), referenceWeekdaysBetween(d1, d2));
        }
    }
}

TEST(Dates, AddWeekdaysExamplesAndTheMovedCallerDate)
{
    struct Row {
        const char* name;
        DateSerial date;
        int n;
        DateSerial expected;
        DateSerial callerAfter;
    };
    const DateSerial mon = serialOf(2004, 3, 15), wed = serialOf(2004, 3, 17), fri = serialOf(2004, 3, 19);
    const DateSerial sat = serialOf(2004, 3, 20), sun = serialOf(2004, 3, 21);
    const Row rows[] = {
        {"Friday plus 1", fri, 1, mon + 7, fri},
        {"Monday minus 1", mon, -1, fri - 7, mon},
        {"Wednesday minus 6", wed, -6, wed - 8, wed},
        {"Saturday plus 1 moves the caller to Sunday", sat, 1, mon + 7, sun},
        {"Sunday minus 1 moves the caller to Saturday", sun, -1, fri, sat},
        {"Sunday with 0 gives the Friday before", sun, 0, fri, sun},
        {"Saturday with 0 gives the Monday after", sat, 0, mon + 7, sat},
        {"Saturday minus 1 stays put", sat, -1, fri, sat},
        {"Sunday plus 1", sun, 1, mon + 7, sun},
        {"Monday plus 5", mon, 5, mon + 7, mon},
        {"Tuesday plus 4", mon + 1, 4, mon + 7, mon + 1},
        {"Thursday minus 4", mon + 3, -4, fri - 7, mon + 3},
        {"Monday minus 10", mon, -10, mon - 14, mon},
        {"across the new year", serialOf(2004, 12, 31), 1, serialOf(2005, 1, 3), serialOf(2004, 12, 31)},
        {"keeps the time of day", mon + 0.25, 2, mon + 2.25, mon + 0.25},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DateSerial caller = row.date;
        EXPECT_DOUBLE_EQ(AddWeekdays(caller, row.n), row.expected);
        EXPECT_DOUBLE_EQ(caller, row.callerAfter);
    }
    EXPECT_EQ(AddWeekdaysJulian(20040319, 1), 20040322);
    EXPECT_EQ(AddWeekdaysJulian(20050103, -1), 20041231);
}

TEST(Dates, AddWeekdaysInvertsWeekdaysBetweenFromEveryWeekday)
{
    const DateSerial mon = serialOf(2004, 12, 27);
    for (int day = 0; day < 5; ++day) {
        for (int n = -40; n <= 40; ++n) {
            SCOPED_TRACE(QStringLiteral("weekday %1, n %2").arg(day).arg(n).toStdString());
            DateSerial start = mon + day;
            const DateSerial result = AddWeekdays(start, n);
            const int w = WeekdayOf(result);
            ASSERT_TRUE(w >= 2 && w <= 6);
            ASSERT_EQ(WeekdaysBetween(start, result), n);
        }
    }
}

TEST(Dates, AddMonthsJulianClampsToTheMonthEnd)
{
    EXPECT_EQ(AddMonthsJulian(20040131, 1), 20040229);
    EXPECT_EQ(AddMonthsJulian(20041130, 3), 20050228);
    EXPECT_EQ(AddMonthsJulian(20040315, -3), 20031215);
    EXPECT_EQ(AddMonthsJulian(20040315, -12), 20030315);
}

TEST(Dates, JulianToStringsGivesZeroBasedMonths)
{
    struct Row {
        const char* name;
        int julian;
        const char* year;
        const char* month;
        const char* day;
        bool complains;
    };
    const Row rows[] = {
        {"December", 20041231, "2004", "11", "31", false},
        {"January", 20040105, "2004", "00", "05", false},
        {"March", 20040310, "2004", "2", "10", false},
        {"seven digits", 2004123, "2004", "11", "23", true},
        {"zero", 0, "0", "-1", "0", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScopedTestEnvironment env;
        QString y, m, d;
        JulianToStrings(row.julian, y, m, d);
        EXPECT_EQ(y, QString::fromLatin1(row.year));
        EXPECT_EQ(m, QString::fromLatin1(row.month));
        EXPECT_EQ(d, QString::fromLatin1(row.day));
        const QStringList expected =
            row.complains ? QStringList{QStringLiteral("JulianToStrings Date Error")} : QStringList{};
        EXPECT_EQ(env.dialogs.messages(), expected);
    }
}

TEST(Dates, DaylightSavingFollowsTheFirstSundayOfAprilAndLastOfOctober)
{
    struct Row {
        QDate date;
        bool daylight;
    };
    const Row rows[] = {
        {QDate(2004, 1, 15), false},  {QDate(2004, 3, 31), false}, {QDate(2004, 4, 1), false},
        {QDate(2004, 4, 3), false},   {QDate(2004, 4, 4), true},   {QDate(2004, 4, 30), true},
        {QDate(2004, 7, 4), true},    {QDate(2004, 10, 24), true}, {QDate(2004, 10, 30), true},
        {QDate(2004, 10, 31), false}, {QDate(2004, 11, 1), false}, {QDate(2004, 12, 31), false},
        // 2005: April begins on a Friday, 1 April 2007 is itself a Sunday.
        {QDate(2005, 4, 2), false},   {QDate(2005, 4, 3), true},   {QDate(2007, 4, 1), true},
        {QDate(2005, 10, 29), true},  {QDate(2005, 10, 30), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.date.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(IsDaylightSavings(toDateSerial(row.date)), row.daylight);
        EXPECT_EQ(IsDaylightSavings(toDateSerial(row.date) + 0.99), row.daylight);
    }
}

TEST(Dates, TodayAndNowReadTheProgramClockInLocalTime)
{
    ScopedTestEnvironment env;
    env.clock.setUtc(QDateTime(QDate(2004, 3, 15), QTime(23, 30, 15, 500), Qt::UTC));
    env.clock.setLocalOffsetSeconds(2 * 3600);
    EXPECT_DOUBLE_EQ(Today(), serialOf(2004, 3, 16));
    EXPECT_EQ(fromDateSerial(Now()), QDateTime(QDate(2004, 3, 16), QTime(1, 30, 15)));
}

TEST(Dates, ClockTextsUseATwelveHourClock)
{
    struct Row {
        const char* name;
        QTime utc;
        const char* utcText;
        const char* daylightText;
        const char* standardText;
    };
    const Row rows[] = {
        {"afternoon", QTime(15, 30, 7), "03:30:07 PM", "11:30:07 AM", "10:30:07 AM"},
        {"New York still on the day before", QTime(2, 5, 0), "02:05:00 AM", "10:05:00 PM", "09:05:00 PM"},
        {"New York midnight", QTime(4, 0, 0), "04:00:00 AM", "12:00:00 AM", "11:00:00 PM"},
        {"New York noon", QTime(17, 0, 59), "05:00:59 PM", "01:00:59 PM", "12:00:59 PM"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScopedTestEnvironment env;
        env.clock.setUtc(QDateTime(QDate(2004, 3, 15), row.utc, Qt::UTC));
        env.clock.setLocalOffsetSeconds(3600);
        EXPECT_EQ(UtcTimeText(), QString::fromLatin1(row.utcText));
        EXPECT_EQ(NewYorkTime(true), QString::fromLatin1(row.daylightText));
        EXPECT_EQ(NewYorkTime(false), QString::fromLatin1(row.standardText));
        // The main window reads the text back into a time.
        EXPECT_EQ(QTime::fromString(NewYorkTime(true), QStringLiteral("hh:mm:ss AP")), row.utc.addSecs(-4 * 3600));
    }
}
