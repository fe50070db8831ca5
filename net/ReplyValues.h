#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// Numbers, dates and times as the quote and history services write them.

// The value of a field as a single-precision number: the longest number at the start
// of the text (blanks skipped, a comma ends it), 0 when there is none. False when the
// value does not fit a single-precision number.
bool singleValue(const QString& text, float& out);

// A date or time read from a reply field. The forms accepted are the services' own:
// "10/1/2007" (month/day/year), "1-Oct-07" (day-month-year, the month abbreviated or
// written out), "2007-10-01"; a time "4:00pm", "4:00 PM", "16:00" or "16:00:05"; or a
// date followed by a blank and a time. Two-digit years 00-29 are 2000-2029, 30-99 are
// 1930-1999; four-digit years run from 1000 to 9999.
struct ReplyMoment {
    bool hasDate = false;
    bool hasTime = false;
    QDate date;
    QTime time;
    bool isValid() const { return hasDate || hasTime; }
};
ReplyMoment readMoment(const QString& text);

// The date of a field that holds a date (and maybe a time); false for anything else.
bool readDate(const QString& text, QDate& out);
// The time of a field that holds only a time of day; false for anything else.
bool readTime(const QString& text, QTime& out);
