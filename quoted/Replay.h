#pragma once

#include "MarketCsv.h"

#include <QDate>
#include <QVector>

// Replay makes old market data look current. A symbol's rows are moved forward by
// whole weeks, so every row keeps its weekday (and the data's weekends and holidays
// stay where they were): by the fewest weeks that bring the file's last row to today or
// later and leave no holiday of the data on the last weekday before today or on today
// (up to a year more). The rows that then fall before today are the history: it ends
// on the last weekday before today. On a weekday the next row, normally the one that
// landed on today, is today's bar; the rows after it are not served.
struct ReplayPlan {
    int shiftDays = 0;    // added to every row's day; a multiple of 7
    int historyEnd = 0;   // rows [0, historyEnd) are the days before today
    int todayRow = -1;    // the row that trades today, -1 on Saturday and Sunday
};

// `rows` oldest first and not empty.
ReplayPlan planReplay(const QVector<PriceRow>& rows, const QDate& today);

// Today's bar as it stands `seconds` after New York midnight. Before the open it has
// not traded: open, high, low and last are the day's open and the volume is 0. During
// the session the price walks at an even pace from the open to one extreme of the day,
// to the other and on to the close (down first on a day that closes at or above its
// open, up first otherwise), so it stays within the day's range, the running high and
// low widen until they reach the day's, and the volume grows in proportion to the time
// passed. From the close on it is the whole day's bar.
struct IntradayBar {
    double open = 0;
    double high = 0;
    double low = 0;
    double last = 0;
    qint64 volume = 0;
};
IntradayBar intradayBar(const PriceRow& day, int seconds);

// Prices as the quote service writes them: to the cent, or to 1/10000 below one dollar.
double roundPrice(double price);
