#include "MarketTime.h"

namespace {

// The n-th Sunday (1-based) of a month; n = -1 for the last one.
QDate sundayOf(int year, int month, int n)
{
    if (n > 0) {
        const QDate first(year, month, 1);
        return first.addDays((7 - first.dayOfWeek()) % 7 + 7 * (n - 1));
    }
    const QDate last = QDate(year, month, 1).addMonths(1).addDays(-1);
    return last.addDays(-(last.dayOfWeek() % 7));
}

} // namespace

bool isNewYorkDaylightTime(const QDateTime& utc)
{
    const QDateTime u = utc.toUTC();
    const int year = u.date().year();
    const QDate start = year >= 2007 ? sundayOf(year, 3, 2) : sundayOf(year, 4, 1);
    const QDate end = year >= 2007 ? sundayOf(year, 11, 1) : sundayOf(year, 10, -1);
    // 2:00 standard time is 7:00 UTC; 2:00 daylight time is 6:00 UTC.
    const QDateTime begins(start, QTime(7, 0), Qt::UTC);
    const QDateTime ends(end, QTime(6, 0), Qt::UTC);
    return u >= begins && u < ends;
}

MarketTime newYorkTime(const QDateTime& utc)
{
    const QDateTime u = utc.toUTC();
    const QDateTime local = u.addSecs(isNewYorkDaylightTime(u) ? -4 * 3600 : -5 * 3600);
    MarketTime t;
    t.date = local.date();
    t.seconds = local.time().msecsSinceStartOfDay() / 1000;
    return t;
}
