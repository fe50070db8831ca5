#include "UpdatePlanner.h"

#include <cmath>

int historyAge(DateSerial historicalUpdated, DateSerial today)
{
    if (historicalUpdated == 0)
        return kNeverHistoryAge;
    return WeekdaysBetween(historicalUpdated, today);
}

int historyBlockEnd(int historyLast, int todayJulian)
{
    const int last = historyLast < kEarliestHistoryDate ? todayJulian : historyLast;
    return AddWeekdaysJulian(AddMonthsJulian(last, 3), -5);
}

bool quoteDue(DateSerial quoteUpdated, DateSerial now, int interval)
{
    const double seconds = std::round((now - quoteUpdated) * 86400.0);
    if (seconds >= interval)
        return true;
    const QTime time = fromDateSerial(quoteUpdated).time();
    return time.hour() == 0 && time.minute() == 0;
}

int backFillEnd(int firstDate, DateSerial noDataStamp, DateSerial today)
{
    if (firstDate < kBackFillFloor)
        return 0;
    if (WeekdaysBetween(noDataStamp, today) < 1)
        return 0;
    return AddWeekdaysJulian(firstDate, -1);
}
