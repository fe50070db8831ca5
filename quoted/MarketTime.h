#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// The wall-clock time in New York, where the market trades.
struct MarketTime {
    QDate date;
    int seconds = 0;   // seconds since New York midnight

    QTime time() const { return QTime(0, 0).addSecs(seconds); }
};

// The trading session: 9:30 to 16:00 New York time.
constexpr int kSessionOpen = 9 * 3600 + 30 * 60;
constexpr int kSessionClose = 16 * 3600;

// True when daylight-saving time is in force in New York at the UTC instant `utc`:
// from 2007 between the second Sunday of March and the first Sunday of November,
// before that between the first Sunday of April and the last Sunday of October; the
// switch happens at 2:00 local time.
bool isNewYorkDaylightTime(const QDateTime& utc);

// New York wall-clock time at the UTC instant `utc`.
MarketTime newYorkTime(const QDateTime& utc);

inline bool isWeekday(const QDate& date) { return date.dayOfWeek() <= 5; }
