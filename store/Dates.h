#pragma once

#include <QDateTime>
#include <QString>

// Trading days are stored as "Julian dates": the decimal integer yyyymmdd
// (20040315 is 15 March 2004; 0 means no date). Calendar dates are day serials:
// whole days since 30 December 1899, the fraction being the time of day.
// Weekday distances count Monday to Friday only; there is no holiday calendar.

using DateSerial = double;

// Day serial of a date and time (the time defaults to midnight).
DateSerial toDateSerial(const QDate& date, const QTime& time = QTime(0, 0));
DateSerial toDateSerial(const QDateTime& dateTime);
// Date and time of a day serial (no time zone attached).
QDateTime fromDateSerial(DateSerial serial);
// Weekday number of a day serial: 1 = Sunday ... 7 = Saturday.
int WeekdayOf(DateSerial date);
// Today's date and the current time as day serials, from the program's clock (local time).
DateSerial Today();
DateSerial Now();

int DateToJulian(DateSerial date);
// Cuts j's decimal text into characters 1-4, 5-6 and 7-8.
void SplitJulian(int j, int& year, int& month, int& day);
// Month 13 or day 32 roll over into the next year or month.
DateSerial JulianToDate(int j);
// Positive when d2 is later; a weekend day counts as the next Monday's position.
int WeekdaysBetween(DateSerial d1, DateSerial d2);
int JulianWeekdayOffset(int j1, int j2);
// Moves the caller's `date` off a weekend day in the direction of n before counting.
DateSerial AddWeekdays(DateSerial& date, int n);
int AddWeekdaysJulian(int j, int n);
int AddMonthsJulian(int j, int n);
// The year, zero-based month ("00" for January) and day texts that history requests carry.
void JulianToStrings(int j, QString& year, QString& month, QString& day);
// Current UTC time formatted "hh:mm:ss AMPM".
QString UtcTimeText();
// Current New York time as text: UTC moved back 4 hours (daylight) or 5 hours.
QString NewYorkTime(bool daylight);
bool IsDaylightSavings(DateSerial date);
