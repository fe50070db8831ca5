#pragma once

#include "Dates.h"

// The update planner's rules, one per decision. UpdateTicker (Downloader) applies them
// to a symbol's quote record and price file.

// History age standing for "never downloaded".
inline constexpr int kNeverHistoryAge = 19;
// Stored history older than this many weekdays is dropped and loaded again.
inline constexpr int kStaleHistoryWeekdays = 20;
// Back-fill reaches no further back than blocks ending before this day.
inline constexpr int kBackFillFloor = 20090101;
// A HistoryLast below this is no date.
inline constexpr int kEarliestHistoryDate = 19010101;

// Weekdays since the last history download, kNeverHistoryAge when there was none.
int historyAge(DateSerial historicalUpdated, DateSerial today);

// The last day of the history block that extends stored history ending on
// `historyLast` (today when there is none): three months later less five weekdays, so
// the block starts about five weekdays before the last stored day.
int historyBlockEnd(int historyLast, int todayJulian);

// A quote is due when `interval` seconds have passed since the last one, or when the
// last one carries no time of day (never quoted, or stamped in the first minute after
// midnight).
bool quoteDue(DateSerial quoteUpdated, DateSerial now, int interval);

// The last day of the next older history block for a price file whose first day is
// `firstDate`: the weekday before it. 0 when no block is due: the file starts before
// kBackFillFloor (or there is none), or the history service said today that it has no
// data for the symbol.
int backFillEnd(int firstDate, DateSerial noDataStamp, DateSerial today);
