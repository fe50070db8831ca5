#include "NetTestSupport.h"
#include "ReplyValues.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplyValues, Moments)
{
    struct Row {
        const char* text;
        bool hasDate, hasTime;
        QDate date;
        QTime time;
    };
    const Row rows[] = {
        {"10/1/2007", true, false, QDate(2007, 10, 1), QTime()},
        {"1/31/07", true, false, QDate(2007, 1, 31), QTime()},
        {"1-Oct-07", true, false, QDate(2007, 10, 1), QTime()},
        {"19-Sep-03", true, false, QDate(2003, 9, 19), QTime()},
        {"5-Mar-99", true, false, QDate(1999, 3, 5), QTime()},
        {"5-mar-1999", true, false, QDate(1999, 3, 5), QTime()},
        {"2004-03-15", true, false, QDate(2004, 3, 15), QTime()},
        {" 2004-3-5 ", true, false, QDate(2004, 3, 5), QTime()},
        {"4:00pm", false, true, QDate(), QTime(16, 0)},
        {"4:00 PM", false, true, QDate(), QTime(16, 0)},
        {"12:00am", false, true, QDate(), QTime(0, 0)},
        {"12:30pm", false, true, QDate(), QTime(12, 30)},
        {"16:05:09", false, true, QDate(), QTime(16, 5, 9)},
        {"10/1/2007 4:00pm", true, true, QDate(2007, 10, 1), QTime(16, 0)},
        {"N/A", false, false, QDate(), QTime()},
        {"", false, false, QDate(), QTime()},
        {"2/30/2007", false, false, QDate(), QTime()},
        {"13/1/2007", false, false, QDate(), QTime()},
        {"1-Foo-07", false, false, QDate(), QTime()},
        {"13:00pm", false, false, QDate(), QTime()},
        {"0:30am", false, false, QDate(), QTime()},
        {"25:00", false, false, QDate(), QTime()},
        {"10/1/207", false, false, QDate(), QTime()},
        {"0999-01-01", false, false, QDate(), QTime()},
        {"29.76", false, false, QDate(), QTime()},
        {"Date", false, false, QDate(), QTime()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        const ReplyMoment m = readMoment(QString::fromLatin1(r.text));
        EXPECT_EQ(m.hasDate, r.hasDate);
        EXPECT_EQ(m.hasTime, r.hasTime);
        if (r.hasDate)
            EXPECT_EQ(m.date, r.date);
        if (r.hasTime)
            EXPECT_EQ(m.time, r.time);
    }
}

TEST(ReplyValues, DateAndTimeOnly)
{
    QDate d;
    QTime t;
    EXPECT_TRUE(readDate("10/1/2007 4:00pm", d));
    EXPECT_EQ(d, QDate(2007, 10, 1));
    EXPECT_FALSE(readTime("10/1/2007 4:00pm", t)) << "a time of day alone is asked for";
    EXPECT_FALSE(readDate("4:00pm", d));
}

TEST(ReplyValues, SingleValues)
{
    struct Row {
        const char* text;
        bool fits;
        float value;
    };
    const Row rows[] = {
        {"29.76", true, 29.76f},
        {"+0.20", true, 0.2f},
        {"-1.5", true, -1.5f},
        {"57584400", true, 57584400.0f},
        {"1,234", true, 1.0f},
        {"N/A", true, 0},
        {"", true, 0},
        {"EOS", true, 0},
        {"29.96\r", true, 29.96f},
        {"3e38", true, 3e38f},
        {"4e38", false, 0},
        {"-1e39", false, 0},
        {"1e400", true, 0},
        {"99999999999999999999999999999999999999999", false, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        float v = -7;
        EXPECT_EQ(singleValue(QString::fromLatin1(r.text), v), r.fits);
        EXPECT_EQ(v, r.value);
    }
}

} // namespace
