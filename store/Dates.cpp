#include "Dates.h"

#include "Clock.h"
#include "Dialogs.h"

#include <algorithm>
#include <cmath>

namespace {

const QDate kSerialEpoch(1899, 12, 30);
constexpr qint64 kMsecsPerDay = 86400000;

// Whole-day part of a serial. A negative serial keeps its day in the integer part and
// its time of day in the magnitude of the fraction (-1.25 is 29 December 1899, 6 am).
// Serials beyond the calendar (or not numbers at all) are clamped rather than converted.
constexpr double kSerialLimit = 3.0e6; // about the year 10100

qint64 dayNumber(DateSerial serial)
{
    if (!std::isfinite(serial))
        return 0;
    return static_cast<qint64>(std::trunc(std::clamp(serial, -kSerialLimit, kSerialLimit)));
}

// 1 = Sunday ... 7 = Saturday; day 0 (30 December 1899) was a Saturday.
int weekdayOfDay(qint64 day) { return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1; }

} // namespace

DateSerial toDateSerial(const QDate& date, const QTime& time)
{
    const double days = static_cast<double>(kSerialEpoch.daysTo(date));
    const double fraction = (time.isValid() ? time.msecsSinceStartOfDay() : 0) / double(kMsecsPerDay);
    return days < 0 ? days - fraction : days + fraction;
}

DateSerial toDateSerial(const QDateTime& dateTime) { return toDateSerial(dateTime.date(), dateTime.time()); }

QDateTime fromDateSerial(DateSerial serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > kSerialLimit)
        return QDateTime();
    qint64 day = dayNumber(serial);
    qint64 msecs = std::llround(std::fabs(serial - double(day)) * kMsecsPerDay);
    if (msecs >= kMsecsPerDay) {
        // A fraction that rounds up to a whole day belongs to the next day.
        msecs -= kMsecsPerDay;
        day += serial < 0 ? -1 : 1;
    }
    return QDateTime(kSerialEpoch.addDays(day), QTime::fromMSecsSinceStartOfDay(int(msecs)));
}

int WeekdayOf(DateSerial date) { return weekdayOfDay(dayNumber(date)); }

DateSerial Today() { return toDateSerial(appClock().nowLocal().date()); }

DateSerial Now()
{
    const QDateTime now = appClock().nowLocal();
    const QTime t = now.time();
    return toDateSerial(now.date(), QTime(t.hour(), t.minute(), t.second()));
}

int DateToJulian(DateSerial date)
{
    const QDate d = fromDateSerial(date).date();
    return d.year() * 10000 + d.month() * 100 + d.day();
}

void SplitJulian(int j, int& year, int& month, int& day)
{
    const QString text = QString::number(j);
    year = text.mid(0, 4).toInt();
    month = text.mid(4, 2).toInt();
    day = text.mid(6, 2).toInt();
}

DateSerial JulianToDate(int j)
{
    int year = 0, month = 0, day = 0;
    SplitJulian(j, year, month, day);
    // Month and day roll over like a date serial: month 13 is January of the next
    // year, month 0 December of the year before, day 32 or day 0 the next or previous month.
    const int monthsFromYearStart = month - 1;
    const QDate first = QDate(year, 1, 1).addMonths(monthsFromYearStart);
    const QDate date = first.addDays(day - 1);
    if (!date.isValid())
        return 0;
    return toDateSerial(date);
}

int WeekdaysBetween(DateSerial d1, DateSerial d2)
{
    const qint64 from = dayNumber(d1);
    const qint64 to = dayNumber(d2);
    const qint64 days = to - from;
    const qint64 weeks = days / 7;
    qint64 rem = days - 7 * weeks;
    const qint64 last = rem;
    const auto isWeekend = [](qint64 day) {
        const int w = weekdayOfDay(day);
        return w == 1 || w == 7;
    };
    if (from < to) {
        for (qint64 i = 0; i <= last; ++i)
            if (isWeekend(from + i))
                --rem;
    } else if (from > to) {
        for (qint64 i = 0; i >= last; --i)
            if (isWeekend(from + i))
                ++rem;
    }
    return static_cast<int>(5 * weeks + rem);
}

int JulianWeekdayOffset(int j1, int j2) { return WeekdaysBetween(JulianToDate(j1), JulianToDate(j2)); }

DateSerial AddWeekdays(DateSerial& date, int n)
{
    if (n > 0 && WeekdayOf(date) == 7)
        date += 1;
    else if (n < 0 && WeekdayOf(date) == 1)
        date -= 1;
    const int weeks = n / 5;
    const int r = n - 5 * weeks;
    const int w = WeekdayOf(date) + r;
    const double moved = date + r + 7.0 * weeks;
    if (w < 2)
        return moved - 2;
    if (w > 6)
        return moved + 2;
    return moved;
}

int AddWeekdaysJulian(int j, int n)
{
    DateSerial date = JulianToDate(j);
    return DateToJulian(AddWeekdays(date, n));
}

int AddMonthsJulian(int j, int n)
{
    const QDate date = fromDateSerial(JulianToDate(j)).date().addMonths(n);
    return DateToJulian(toDateSerial(date));
}

void JulianToStrings(int j, QString& year, QString& month, QString& day)
{
    const QString text = QString::number(j);
    if (text.size() != 8)
        dialogs().message(QStringLiteral("JulianToStrings Date Error"));
    year = text.mid(0, 4);
    const int zeroBasedMonth = text.mid(4, 2).toInt() - 1;
    month = zeroBasedMonth == 0 ? QStringLiteral("00") : QString::number(zeroBasedMonth);
    day = text.right(2);
}

bool IsDaylightSavings(DateSerial date)
{
    const QDate d = fromDateSerial(date).date();
    const int month = d.month();
    if (month >= 11 || month <= 3)
        return false;
    if (month >= 5 && month <= 9)
        return true;
    const int weekday = WeekdayOf(date);
    if (month == 4)
        return d.day() >= weekday; // from the first Sunday of April
    const int w31 = WeekdayOf(toDateSerial(QDate(d.year(), 10, 31)));
    return !(weekday <= w31 && d.day() > 24); // until the last Sunday of October
}
