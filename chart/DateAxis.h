#pragma once

#include "ChartView.h"

#include <QDate>
#include <QString>

#include <vector>

// A label of the date axis below the panes.
struct DateMark {
    enum class Kind { Month, Day };
    Kind kind = Kind::Day;
    int x = 0;     // the slot of the day
    QDate date;
};

// The calendar date of a yyyymmdd date; a null date for 0.
QDate dateOfJulian(qint32 j);

// True for the first weekday of a month: the 1st on a weekday, or a Monday that is
// the 2nd or 3rd.
bool isFirstTradingDay(const QDate& date);
// The next and the previous weekday: the axis walks slot by slot with these.
QDate nextWeekday(const QDate& date);
QDate previousWeekday(const QDate& date);

// Walks the slots from the right edge (`rightEdge`, yyyymmdd) to both sides of the
// chart and lists the marks of the date axis: a month mark on the first trading day of
// each month, the day number of every second Monday (none at a spacing below 4) and of
// every day at a spacing above 17. Reuses the storage of `marks`.
void layoutDateAxis(const ChartView& view, qint32 rightEdge, std::vector<DateMark>& marks);

// The text of a mark: "Mar", "Jan 04" for January; the day of month for a day.
QString dateMarkText(const DateMark& mark);
