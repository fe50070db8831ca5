#include "NetTestSupport.h"
#include "UpdatePlanner.h"

#include <gtest/gtest.h>

namespace {

DateSerial at(int y, int m, int d, int h = 0, int min = 0, int s = 0)
{
    return toDateSerial(QDate(y, m, d), QTime(h, min, s));
}

TEST(UpdatePlanner, HistoryAge)
{
    const DateSerial wednesday = at(2010, 3, 3);
    EXPECT_EQ(historyAge(0, wednesday), kNeverHistoryAge);
    EXPECT_EQ(historyAge(at(2010, 3, 3, 9, 30), wednesday), 0);
    EXPECT_EQ(historyAge(at(2010, 2, 26, 17), wednesday), 3);
    EXPECT_EQ(historyAge(at(2010, 2, 1), wednesday), 22);
}

TEST(UpdatePlanner, HistoryBlockEnd)
{
    struct Row {
        const char* name;
        int historyLast, today, end;
    };
    const Row rows[] = {
        {"no history: from today", 0, 20100303, 20100527},
        {"not a date: from today", 19001231, 20100303, 20100527},
        {"from the last stored day", 20100226, 20100303, 20100519},
        {"month end clamps", 20091130, 20091204, 20100222},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(historyBlockEnd(r.historyLast, r.today), r.end);
    }
}

TEST(UpdatePlanner, QuoteDue)
{
    struct Row {
        const char* name;
        DateSerial updated, now;
        int interval;
        bool due;
    };
    const Row rows[] = {
        {"59 seconds old", at(2010, 3, 3, 17, 59, 1), at(2010, 3, 3, 18), 60, false},
        {"60 seconds old", at(2010, 3, 3, 17, 59, 0), at(2010, 3, 3, 18), 60, true},
        {"never", 0, at(2010, 3, 3, 18), 60, true},
        {"stamped in the first minute of the day", at(2010, 3, 3, 0, 0, 40), at(2010, 3, 3, 0, 1), 60, true},
        {"stamped a minute after midnight", at(2010, 3, 3, 0, 1), at(2010, 3, 3, 0, 1, 30), 60, false},
        {"short interval", at(2010, 3, 3, 17, 59, 57), at(2010, 3, 3, 18), 3, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(quoteDue(r.updated, r.now, r.interval), r.due);
    }
}

TEST(UpdatePlanner, BackFillEnd)
{
    struct Row {
        const char* name;
        int first;
        DateSerial noData;
        int end;
    };
    const DateSerial today = at(2010, 3, 3);
    const Row rows[] = {
        {"first day before the floor", 20081231, 0, 0},
        {"first day after the floor", 20090102, 0, 20090101},
        {"on a Monday: the Friday before", 20100301, 0, 20100226},
        {"no price file", 0, 0, 0},
        {"no data today", 20100301, at(2010, 3, 3, 9), 0},
        {"no data yesterday", 20100301, at(2010, 3, 2, 9), 20100226},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(backFillEnd(r.first, r.noData, today), r.end);
    }
}

} // namespace
